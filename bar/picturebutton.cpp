#include "bar/picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QString& toolTip, QWidget* parent) : QLabel(parent) {
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit released(event->button(), at.x(), at.y());
}
