// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every modal box and file dialog of the program goes through here, so that a test can
// give the next answer instead of a person. Without a prepared answer the real Qt
// dialog is shown.
namespace Dialogs {

struct Box {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// The box is transient for the program's active window (the modal one first; `parent` when
// none is active), centred on it and above the bar.
QMessageBox::StandardButton show(QWidget* parent, const Box& box);

// The chosen path, or the empty text when the user cancelled. Filters are Qt filters.
QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                     const QString& defaultSuffix);
QString folderName(QWidget* parent, const QString& caption);

// Test side: answers are used in the order given; every box shown is recorded. Once a test
// has called resetForTesting, a box without a prepared answer takes its default button and a
// file dialog is cancelled, so that no test can hang on a box nobody answers; a test that
// drives the real dialogs calls showRealDialogs.
void answerNextBox(QMessageBox::StandardButton answer);
void answerNextFile(const QString& path);
QList<Box> boxesShown();
void resetForTesting();
void showRealDialogs();

} // namespace Dialogs
