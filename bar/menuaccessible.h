// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class LauncherMenu;

// The launcher menu as assistive technology sees it: a popup menu whose children are its
// shown rows, named without their access marks. Each call does nothing while no assistive
// technology listens.

// Makes the menu's interface known to Qt; once per process is enough.
void installLauncherMenuAccessibility();
// The rows were built or replaced: interfaces handed out for the old ones go.
void forgetAccessibleRows(LauncherMenu* menu);
// The highlight moved to `row`.
void announceActiveRow(LauncherMenu* menu, int row);
// The menu opened or closed.
void announcePopup(LauncherMenu* menu, bool opened);
