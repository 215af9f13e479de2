// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

class QToolButton;

// What the Settings window and the entry dialog share.

// A dialog of fixed size with a close button only in its title bar, in the program's font,
// centred the first time it is shown and afterwards where it was closed. Every showing
// runs aboutToShow. Escape is bound to nothing: no button of these windows is its target.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* parent, const QString& name, const QString& caption, QSize clientSize);

protected:
    virtual void aboutToShow() = 0;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A flat button that never takes the keyboard focus, showing the 18 x 18 picture
// :/settings/<picture>.png when one is named.
QToolButton* makeFlatButton(QWidget* parent, const QString& name, const QRect& box,
                            const QString& picture);
