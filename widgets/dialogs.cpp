// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs.h"

#include "widgets/windowplacement.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QQueue>
#include <optional>

namespace Dialogs {
namespace {

struct TestState {
    QQueue<QMessageBox::StandardButton> boxAnswers;
    QQueue<QString> fileAnswers;
    QList<Box> shown;
    bool answerUnprepared = false;
};

TestState& state() {
    static TestState s;
    return s;
}

} // namespace

namespace {

// The program's window the user is working in: a box belongs to it whoever raised the box,
// so that a modal window never waits on a box hidden behind it.
QWidget* ownerOfBox(QWidget* parent) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (parent && parent->window()->isVisible())
        return parent->window();
    return nullptr;
}

// A box is as narrow as its text and buttons allow, and the window manager shortens a title
// wider than that ("Confir…ation"); translated titles often are. Qt leaves 50 px beside the
// title, where the frame's icon and three buttons take about 120 in the usual themes.
void makeRoomForTitle(QMessageBox& dialog) {
    constexpr int frameControls = 140;
    QFont bold = dialog.font();
    bold.setBold(true);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    const int width = QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + frameControls;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QMessageBox::StandardButton show(QWidget* parent, const Box& box) {
    state().shown.append(box);
    if (!state().boxAnswers.isEmpty())
        return state().boxAnswers.dequeue();
    if (state().answerUnprepared)
        return box.defaultButton;
    QMessageBox dialog(box.icon, box.title, box.text, box.buttons, ownerOfBox(parent));
    // Above the bar, which stays on top of everything else.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    new CentreOnFirstShow(&dialog, CentreOnFirstShow::Within::Owner);
    dialog.setDefaultButton(box.defaultButton);
    makeRoomForTitle(dialog);
    return QMessageBox::StandardButton(dialog.exec());
}

namespace {
std::optional<QString> preparedFile() {
    if (!state().fileAnswers.isEmpty())
        return state().fileAnswers.dequeue();
    if (state().answerUnprepared)
        return QString();
    return std::nullopt;
}

QString chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (const auto prepared = preparedFile())
        return *prepared;
    QFileDialog dialog(parent, caption, QString(), filter);
    // The name need not exist yet: a new menu file is created by its first Add. The desktop's
    // own open dialogs insist on an existing file, so Qt's dialog is used.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return chosenFile(dialog);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                     const QString& defaultSuffix) {
    if (const auto prepared = preparedFile())
        return *prepared;
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // The program itself refuses to overwrite, so the dialog does not ask.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chosenFile(dialog);
}

QString folderName(QWidget* parent, const QString& caption) {
    if (const auto prepared = preparedFile())
        return *prepared;
    return QFileDialog::getExistingDirectory(parent, caption);
}

void answerNextBox(QMessageBox::StandardButton answer) {
    state().boxAnswers.enqueue(answer);
}
void answerNextFile(const QString& path) {
    state().fileAnswers.enqueue(path);
}
QList<Box> boxesShown() {
    return state().shown;
}
void resetForTesting() {
    state() = TestState();
    state().answerUnprepared = true;
}
void showRealDialogs() {
    state().answerUnprepared = false;
}

} // namespace Dialogs
