// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A picture that keeps the mouse from press to release and reports the release in its
// own coordinates, wherever the pointer then is. A press never drags the bar.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    PictureButton(const QString& toolTip, QWidget* parent);
    void setPicture(const QPixmap& picture);

signals:
    void released(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
