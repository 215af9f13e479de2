// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Shows a short message in a small window beside the bar, below it or above it, that never
// takes the focus and goes after a few seconds or a click. A newer message replaces it;
// nothing shows while the bar is hidden.
void showBarMessage(QWidget* bar, const QString& summary, const QString& body);
