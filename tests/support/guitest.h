// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar/launchermenu.h"
#include "core/appdir.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

// A temporary application folder holding a copy of the default skin, so that a test never
// touches a real user's files.
class TestAppFolder {
public:
    TestAppFolder();
    ~TestAppFolder();

    QString path() const { return m_dir.path() + u'/'; }
    QString file(const QString& name) const { return path() + name; }

private:
    QTemporaryDir m_dir;
};

void saveArtifact(const QImage& image, const QString& name);

// The text another X client sees in a window's property, read with xprop.
QString xprop(QWidget* window, const QString& property);

// Runs xdotool while this program's event loop goes on, so that the program handles each
// input event as it comes, like a real one does.
bool xdotool(const QStringList& args);

// A menu file holding the entries (caption, target) in order.
QByteArray menuFile(const QList<std::pair<QByteArray, QByteArray>>& entries);

// Runs `command`, which shows `dialog` modally (exec); once it is up, `answer(*dialog)` acts on
// it. False when it never came up: the command returned without it, or 20 s went by.
template <typename Dialog, typename Answer>
bool withModalDialog(Dialog* dialog, const std::function<void()>& command, Answer answer) {
    enum State { Waiting, Answered, NeverCameUp };
    auto state = std::make_shared<State>(Waiting);
    auto returned = std::make_shared<bool>(false);
    QTimer::singleShot(0, dialog, [dialog, state, returned, answer] {
        const bool up =
            QTest::qWaitFor(
                [&] { return QApplication::activeModalWidget() == dialog || *returned; }, 20000) &&
            QApplication::activeModalWidget() == dialog;
        if (up) {
            answer(*dialog);
            // An answer that failed to close it must not leave the run hanging.
            if (!QTest::qWaitFor([&] { return !dialog->isVisible(); }, 10000))
                dialog->reject();
        }
        *state = up ? Answered : NeverCameUp;
    });
    command();
    *returned = true;
    return QTest::qWaitFor([&] { return *state != Waiting; }, 30000) && *state == Answered;
}

// Types into the entry dialog's fields as a user would and presses `button`.
void fillEntryDialog(QWidget& dialog, const QString& caption, const QString& target,
                     const QString& button = QStringLiteral("cmdOK"));

// Opens `menu` by a left-button release on `start`, runs `act(*menu)` once it shows and
// returns after the menu closed and the chosen item's handler ran. `act` may leave it open.
template <typename Menu, typename Act> bool withOpenMenu(Menu* menu, QWidget* start, Act act) {
    bool acted = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, menu, [&] {
        if (acted || !menu->isVisible())
            return;
        acted = true;
        act(*menu);
        if (menu->isVisible())
            menu->hide();
    });
    poll.start(5);
    QTest::mousePress(start, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(start, Qt::LeftButton, {}, QPoint(10, 10));
    return acted;
}

// The indexes of the rows a user sees. Inline, so that only the tests that read a menu link
// the bar.
inline QList<int> shownItems(const LauncherMenu& menu) {
    QList<int> shown;
    for (int i = 0; i < menu.rows().size(); ++i)
        if (menu.rows()[i].visible)
            shown.append(i);
    return shown;
}

// The rows a user sees, a separator as "----".
inline QStringList shownRows(const LauncherMenu& menu) {
    QStringList rows;
    for (int i : shownItems(menu)) {
        const QString& caption = menu.rows()[i].caption;
        rows.append(caption == u"-" ? QStringLiteral("----") : caption);
    }
    return rows;
}
