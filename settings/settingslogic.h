// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The rules of the Settings window and the entry dialog that need no window.

// The list line of a menu entry: its text as the menu draws it; separator entries get a name
// of their own.
QString ListLineText(const QString& caption);

// The row to select after the selected row `removed` of a list of `count` rows was removed:
// the row that followed it, else the new last row; -1 when the list is left empty.
int RowAfterRemoving(int count, int removed);

// The caption without what a user cannot see at its ends: every character up to U+0020.
QString TrimCaption(const QString& caption);

// The path with the platform's separator at its end; a path ending in one is kept.
QString AddTrailingBackslash(const QString& path);

// A Qt name filter from a list of "description|patterns" pairs. "*.*" becomes "*", which
// here also matches names without a dot.
QString QtNameFilter(const QString& filter);

// Copies the current menu file to `target`, never over an existing file, then names the copy
// in the configuration and makes it the current menu file (from the next showing of the
// Settings window on). A failed copy or a refused configuration write throws and changes
// nothing: the copy just made is removed again.
class ProgramFiles;
void SaveMenuCopy(ProgramFiles& files, const QString& target);
