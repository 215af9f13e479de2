// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The product logo: a larkspur flower spike in the purples of the default skin, on a
// transparent ground. Drawn in code so it stays sharp at any device pixel ratio.
QImage drawLarkspanLogo(int size);
