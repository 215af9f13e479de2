// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPushButton;

// Buttons keep their designed box unless their text needs more room (a translation, this
// system's font): then they widen, to the right, or to the left when `keepRightEdge`, so that
// no text is cut off. The designed width stays the least.
void widenToText(QPushButton* button, bool keepRightEdge = false);
