// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/menushortcut.h"
#include "platform/shortcutstore.h"
#include "settings/shortcutdialog.h"
#include "support/guitest.h"
#include "support/testfiles.h"

#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

// The shortcut dialog over a real store, openbox's rc.xml in a folder of the test's own:
// what it says of a taken, a refused and a free combination, and what Set and Clear write.
class TestShortcutDialog : public QObject {
    Q_OBJECT
private slots:
    void recordSetClear();
    void byHandWithoutStore();
};

void TestShortcutDialog::recordSetClear() {
    QTemporaryDir dir;
    const QString seed = dir.filePath(u"seed-rc.xml"_qs);
    const QString rcFile = dir.filePath(u"openbox/rc.xml"_qs);
    QVERIFY(QFile::copy(u"/etc/xdg/openbox/rc.xml"_qs, seed));
    const auto store = openboxShortcutStore(rcFile, seed);
    const QString command = menuShortcutCommand(dir.path());
    MenuShortcutDialog dialog(store.get(), command, u"openbox"_qs, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog, 20000));
    auto* keys = dialog.findChild<QKeySequenceEdit*>(u"txtKeys"_qs);
    auto* status = dialog.findChild<QLabel*>(u"lblStatus"_qs);
    auto* current = dialog.findChild<QLabel*>(u"lblCurrent"_qs);
    auto* set = dialog.findChild<QPushButton*>(u"cmdSet"_qs);
    auto* clear = dialog.findChild<QPushButton*>(u"cmdClear"_qs);
    QCOMPARE(current->text(), u"Now: none"_qs);
    QVERIFY(!clear->isEnabled());

    const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, bool>> presses{
        {Qt::Key_E, Qt::MetaModifier, u"already bound to \"kfmclient openProfile"_qs, false},
        {Qt::Key_A, Qt::ShiftModifier, u"needs Ctrl, Alt or Super"_qs, false},
        {Qt::Key_M, Qt::ControlModifier | Qt::AltModifier, u"is free"_qs, true}};
    for (const auto& [key, modifiers, said, settable] : presses) {
        QTest::keyClick(keys, key, modifiers);
        // The edit ends its recording a second after the last release.
        QTRY_VERIFY2(status->text().contains(said), qPrintable(status->text()));
        QCOMPARE(set->isEnabled(), settable);
    }
    QTest::mouseClick(set, Qt::LeftButton);
    QVERIFY(readBytes(rcFile).contains("<keybind key=\"C-A-m\">"));
    QCOMPARE(current->text(),
             u"Now: "_qs +
                 QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M).toString(QKeySequence::NativeText));
    QVERIFY(clear->isEnabled());
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(readBytes(rcFile), readBytes(seed));
    QCOMPARE(current->text(), u"Now: none"_qs);
}

// Elsewhere the command to bind by hand shows, to be copied.
void TestShortcutDialog::byHandWithoutStore() {
    const QString command = menuShortcutCommand(u"/opt/my apps"_qs);
    MenuShortcutDialog dialog(nullptr, command, u"KDE"_qs, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog, 20000));
    auto* field = dialog.findChild<QLineEdit*>(u"txtCommand"_qs);
    QCOMPARE(field->text(), command);
    QVERIFY(field->isReadOnly());
    QVERIFY(dialog.findChild<QLabel*>(u"lblByHand"_qs)->text().contains(u"KDE"_qs));
}

QTEST_MAIN(TestShortcutDialog)
#include "tst_shortcutdialog.moc"
