// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A lowered line along the top or the left edge of the widget: a shadow line beside a
// highlight line, as the rules and dividers of the dialogs are drawn.
class BevelLine : public QWidget {
public:
    BevelLine(Qt::Orientation orientation, QWidget* parent)
        : QWidget(parent), m_orientation(orientation) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
};
