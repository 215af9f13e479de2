// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingswidgets.h"

#include "widgets/pngpicture.h"
#include "widgets/uifont.h"
#include "widgets/windowplacement.h"

#include <QIcon>
#include <QKeyEvent>
#include <QToolButton>

FixedDialog::FixedDialog(QWidget* parent, const QString& name, const QString& caption,
                         QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(uiFont(12));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    new CentreOnFirstShow(this);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A spontaneous show is the window manager restoring it, not a new showing.
    if (!event->spontaneous())
        aboutToShow();
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}

QToolButton* makeFlatButton(QWidget* parent, const QString& name, const QRect& box,
                            const QString& picture) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(box);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (!picture.isEmpty()) {
        button->setIcon(pngIcon(QStringLiteral(":/settings/%1.png").arg(picture)));
        button->setIconSize(QSize(18, 18));
    }
    return button;
}
