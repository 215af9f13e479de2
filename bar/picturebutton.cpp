// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QString& toolTip, QWidget* parent) : QLabel(parent) {
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void PictureButton::paintEvent(QPaintEvent*) {
    // Whole pixels only: at a higher density the tile is enlarged without blurring it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRect(QPoint(0, 0), pixmap().deviceIndependentSize().toSize()), pixmap());
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit released(event->button(), at.x(), at.y());
}
