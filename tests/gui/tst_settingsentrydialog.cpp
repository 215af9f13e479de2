// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/entrydialog.h"
#include "support/guitest.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

// One dialog for the whole run, as in the program; it is shown without blocking here, since
// it never opens the menu file itself.
class TestEntryDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstShowingIsCentred();
    void labelsShowTheirWholeText();
    void fixedFrame();
    void fieldsOnOpening();
    void captionCheck_data();
    void captionCheck();
    void realInformationBoxByKeys();
    void enterActsAsOk_data();
    void enterActsAsOk();
    void closingWithoutOk_data();
    void closingWithoutOk();
    void fileAndFolderButtons_data();
    void fileAndFolderButtons();
    void screenshot();

private:
    template <typename T = QWidget> T* control(const QString& name) const {
        T* widget = m_dialog->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit* caption() const { return control<QLineEdit>(u"txtCaption"_qs); }
    QLineEdit* target() const { return control<QLineEdit>(u"txtAppPath"_qs); }
    // Shows the dialog without waiting for it to close, for a new entry or to edit the stored
    // one.
    bool showAndWait(bool editMode);

    std::unique_ptr<EntryDialog> m_dialog;
    const MenuEntry m_stored{u"Stored"_qs, u"/usr/bin/stored"_qs};
};

void TestEntryDialog::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs,
             "needs an X display with a window manager");
    m_dialog = std::make_unique<EntryDialog>();
}

void TestEntryDialog::init() {
    Dialogs::resetForTesting();
    m_dialog->setEntry(m_stored);
}

void TestEntryDialog::cleanup() {
    if (m_dialog->isVisible())
        m_dialog->close();
    QTRY_VERIFY(!m_dialog->isVisible());
}

bool TestEntryDialog::showAndWait(bool editMode) {
    if (!editMode)
        m_dialog->setEntry({});
    m_dialog->open();
    return QTest::qWaitForWindowExposed(m_dialog.get(), 20000) &&
           QTest::qWaitFor([&] { return m_dialog->isActiveWindow(); }, 20000);
}

void TestEntryDialog::firstShowingIsCentred() {
    QVERIFY(showAndWait(false));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto offCentre = [&] { return m_dialog->frameGeometry().center() - area.center(); };
    QTRY_VERIFY2(qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1,
                 qPrintable(u"off centre by %1, %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
    QCOMPARE(m_dialog->size(), QSize(386, 159));
    QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
}

void TestEntryDialog::labelsShowTheirWholeText() {
    for (const QLabel* label : m_dialog->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
}

void TestEntryDialog::fixedFrame() {
    QVERIFY(showAndWait(false));
    const QString actions = xprop(m_dialog.get(), u"_NET_WM_ALLOWED_ACTIONS"_qs);
    if (actions.isEmpty())
        QSKIP("xprop is not available");
    QVERIFY2(actions.contains(u"_NET_WM_ACTION_CLOSE"_qs), qPrintable(actions));
    for (const auto* refused : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"})
        QVERIFY2(!actions.contains(u"_NET_WM_ACTION_"_qs + QLatin1String(refused)),
                 qPrintable(actions));
}

void TestEntryDialog::fieldsOnOpening() {
    QVERIFY(showAndWait(true));
    QCOMPARE(caption()->text(), m_stored.caption);
    QCOMPARE(target()->text(), m_stored.target);
    QTRY_COMPARE(QApplication::focusWidget(), caption());
    m_dialog->close();
    QTRY_VERIFY(!m_dialog->isVisible());
    // Adding right after an edit: nothing of the edit is shown.
    QVERIFY(showAndWait(false));
    QCOMPARE(caption()->text(), QString());
    QCOMPARE(target()->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), caption());
}

void TestEntryDialog::captionCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("three spaces") << "   "
                                  << "/bin/x" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("tab and control characters") << "\t\x01 \x1f"
                                                << "/bin/x" << false;
    QTest::newRow("blanks around stay") << " x "
                                        << "/bin/x" << true;
    QTest::newRow("separator") << "-"
                               << "" << true;
    QTest::newRow("empty target") << "Editor"
                                  << "" << true;
}

void TestEntryDialog::captionCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QVERIFY(showAndWait(false));
    // As pasted: a tab cannot be typed into the field.
    caption()->insert(typed);
    target()->insert(path);
    QTest::mouseClick(control(u"cmdOK"_qs), Qt::LeftButton);
    if (accepted) {
        QTRY_VERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->entry(), (MenuEntry{typed, path}));
        QVERIFY(Dialogs::boxesShown().isEmpty());
        return;
    }
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    const Dialogs::Box box = Dialogs::boxesShown().constFirst();
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.title, u"Information"_qs);
    QCOMPARE(box.text, u"Please enter a caption."_qs);
    QCOMPARE(box.buttons, QMessageBox::Ok);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->entry(), MenuEntry());
}

void TestEntryDialog::realInformationBoxByKeys() {
    QVERIFY(showAndWait(false));
    QTest::keyClicks(caption(), u"  "_qs);
    QTest::keyClick(caption(), Qt::Key_Tab); // the focus goes elsewhere, and must come back
    QCOMPARE(QApplication::focusWidget(), target());
    Dialogs::showRealDialogs();
    QString seen;
    QTimer::singleShot(0, this, [&] {
        if (!QTest::qWaitFor(
                [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                20000))
            return;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = box->windowTitle() + u'|' + box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(target(), Qt::Key_Return);
    QCOMPARE(seen, u"Information|Please enter a caption."_qs);
    QVERIFY(m_dialog->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), caption());
}

void TestEntryDialog::enterActsAsOk_data() {
    QTest::addColumn<bool>("inTarget");
    QTest::newRow("in the caption field") << false;
    QTest::newRow("in the target field") << true;
}

void TestEntryDialog::enterActsAsOk() {
    QFETCH(bool, inTarget);
    QVERIFY(showAndWait(true));
    QLineEdit* field = inTarget ? target() : caption();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->entry(), m_stored);
}

void TestEntryDialog::closingWithoutOk_data() {
    QTest::addColumn<bool>("cancel"); // else the title bar's close button
    QTest::newRow("Cancel") << true;
    QTest::newRow("title bar") << false;
}

void TestEntryDialog::closingWithoutOk() {
    QFETCH(bool, cancel);
    QVERIFY(showAndWait(false));
    QTest::keyClicks(caption(), u"typed"_qs);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape); // bound to nothing
    QVERIFY(m_dialog->isVisible());
    if (cancel)
        QTest::mouseClick(control(u"cmdCancel"_qs), Qt::LeftButton);
    else {
        // The window manager's close.
        QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(m_dialog->winId())}));
        QVERIFY(xdotool({u"key"_qs, u"alt+F4"_qs}));
    }
    QTRY_VERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_dialog->entry(), MenuEntry());
}

void TestEntryDialog::fileAndFolderButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen"); // empty: cancelled
    QTest::addColumn<QString>("shown");
    QTest::newRow("file") << "cmdOpen"
                          << "/usr/bin/my editor"
                          << "/usr/bin/my editor";
    QTest::newRow("file dialog cancelled") << "cmdOpen"
                                           << ""
                                           << "/old";
    QTest::newRow("folder") << "cmdFolder"
                            << "/home/me/Tools"
                            << "/home/me/Tools/";
    QTest::newRow("root folder") << "cmdFolder"
                                 << "/"
                                 << "/";
    QTest::newRow("folder picker cancelled") << "cmdFolder"
                                             << ""
                                             << "/old";
}

void TestEntryDialog::fileAndFolderButtons() {
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    QVERIFY(showAndWait(false));
    target()->setText(u"/old"_qs);
    Dialogs::answerNextFile(chosen);
    QTest::mouseClick(control(button), Qt::LeftButton);
    QCOMPARE(target()->text(), shown);
    QCOMPARE(QApplication::focusWidget(), caption());
}

void TestEntryDialog::screenshot() {
    m_dialog->setEntry({u"Terminal"_qs, u"/usr/bin/x-terminal-emulator"_qs});
    QVERIFY(showAndWait(true));
    const QRect frame = m_dialog->frameGeometry();
    saveArtifact(m_dialog->screen()
                     ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                     .toImage(),
                 u"entry-dialog.png"_qs);
    saveArtifact(m_dialog->grab().toImage(), u"entry-dialog-client.png"_qs);
}

QTEST_MAIN(TestEntryDialog)
#include "tst_settingsentrydialog.moc"
