// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The one user-interface font of the program, sized in pixels so texts keep the designed
// layout whatever the screen's dots per inch. The designed face is missing on Linux, so
// close relatives are asked for in order.
QFont uiFont(int pixelSize, bool bold = false);
