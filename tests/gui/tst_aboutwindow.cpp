// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutconstants.h"
#include "about/aboutwindow.h"
#include "platform/urlopener.h"
#include "platform/username.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

// One window for the whole run, as in the program: the test functions run in order and the
// first one sees the first showing.
class TestAboutWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_opened.clear(); }
    void cleanup();

    void firstShowingIsCentred();
    void fixedDialogFrame();
    void controlGeometry_data();
    void controlGeometry();
    void textsFitTheirBoxes();
    void longUserNameStopsShortOfOk();
    void logoIsDrawnWithTransparency();
    void onlyTheNameOpensThePage_data();
    void onlyTheNameOpensThePage();
    void laterShowingIsWhereItWasClosed();
    void enterClosesThroughOk();
    void screenshot();

private:
    template <typename T = QWidget> T* control(const char* name) const {
        T* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr)
            qFatal("no control %s", name);
        return widget;
    }
    void countLookups() {
        // A different answer on every call shows whether the name is read more than once.
        setUserNameLookupForTesting([this]() -> std::optional<QByteArray> {
            ++m_lookups;
            return QByteArray("tester-") + QByteArray::number(m_lookups);
        });
    }
    // Shows the window as the bar does, without blocking, and waits until it is framed.
    bool showAndWait();
    QRect workArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    std::unique_ptr<AboutWindow> m_window;
    QList<QUrl> m_opened;
    int m_lookups = 0;
    QString m_firstName;
};

void TestAboutWindow::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs,
             "needs an X display with a window manager");
    countLookups();
    UrlOpener::setOpenerForTesting([this](const QUrl& url) { m_opened.append(url); });
    m_window = std::make_unique<AboutWindow>();
    QCOMPARE(m_lookups, 1);
    QVERIFY(!m_window->isVisible());
}

void TestAboutWindow::cleanupTestCase() {
    m_window.reset();
    setUserNameLookupForTesting({});
    UrlOpener::setOpenerForTesting({});
}

void TestAboutWindow::cleanup() {
    // A failed step must not leave the window in the way of the next one.
    if (QTest::currentTestFailed() && m_window->isVisible())
        m_window->reject();
}

bool TestAboutWindow::showAndWait() {
    m_window->open();
    constexpr int timeout = 20000; // the machine may be busy building
    if (!QTest::qWaitForWindowExposed(m_window.get(), timeout))
        return false;
    // Framed by the window manager: the title bar lies above the client area.
    return QTest::qWaitFor([&] { return m_window->geometry().y() > m_window->frameGeometry().y(); },
                           timeout);
}

void TestAboutWindow::firstShowingIsCentred() {
    QVERIFY(showAndWait());
    const auto offCentre = [&] { return m_window->frameGeometry().center() - workArea().center(); };
    QTRY_VERIFY2(qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1,
                 qPrintable(u"off centre by %1, %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
    QCOMPARE(m_window->size(), QSize(487, 337));
    m_firstName = control<QLabel>("lblName")->text();
    QCOMPARE(m_firstName, u"tester-1"_qs);
    // OK is first in the tab order and has the focus.
    QTRY_COMPARE(QApplication::focusWidget(), control("cmdOK"));
    m_window->reject();
    QTRY_VERIFY(!m_window->isVisible());
}

void TestAboutWindow::fixedDialogFrame() {
    QVERIFY(showAndWait());
    const auto property = [&](const QString& name) {
        QProcess xprop;
        xprop.start(u"xprop"_qs, {u"-id"_qs, QString::number(m_window->winId()), name});
        xprop.waitForFinished(10000);
        return QString::fromLocal8Bit(xprop.readAllStandardOutput());
    };
    const QString motif = property(u"_MOTIF_WM_HINTS"_qs);
    const QString actions = property(u"_NET_WM_ALLOWED_ACTIONS"_qs);
    if (motif.isEmpty() || actions.isEmpty())
        QSKIP("xprop is not available");

    // What the window asks for: a title with a close button and neither of the other two.
    // Fields: flags, functions, decorations, input mode, status.
    const QStringList fields = motif.section(u'=', 1).split(u',');
    QCOMPARE(fields.size(), 5);
    const uint functions = fields[1].trimmed().toUInt(nullptr, 16);
    const uint decorations = fields[2].trimmed().toUInt(nullptr, 16);
    enum : uint { FuncMove = 0x4, FuncMinimize = 0x8, FuncMaximize = 0x10, FuncClose = 0x20 };
    enum : uint { DecorTitle = 0x8, DecorMinimize = 0x20, DecorMaximize = 0x40 };
    QVERIFY2((functions & (FuncMove | FuncClose | FuncMinimize | FuncMaximize)) ==
                     (FuncMove | FuncClose) &&
                 (decorations & (DecorTitle | DecorMinimize | DecorMaximize)) == DecorTitle,
             qPrintable(motif));

    // What the window manager makes of it. (Minimizing is its own policy and not asked.)
    QVERIFY2(actions.contains(u"_NET_WM_ACTION_CLOSE"_qs), qPrintable(actions));
    QVERIFY2(actions.contains(u"_NET_WM_ACTION_MOVE"_qs), qPrintable(actions));
    for (const auto* refused : {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"})
        QVERIFY2(!actions.contains(u"_NET_WM_ACTION_"_qs + QLatin1String(refused)),
                 qPrintable(actions));

    // The close button hides the window; it is not destroyed.
    m_window->close();
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
    QVERIFY(m_window->findChild<QLabel*>(u"lblName"_qs) != nullptr);
}

void TestAboutWindow::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("logo") << "ImgLogo" << QRect(8, 8, 48, 48);
    QTest::newRow("title") << "lblAppTitle" << QRect(62, 8, 173, 17);
    QTest::newRow("short rule") << "Spacer1" << QRect(8, 65, 229, 9);
    QTest::newRow("full-width rule") << "Bevel1" << QRect(8, 292, 471, 9);
    QTest::newRow("registration label") << "lblReg" << QRect(8, 296, 140, 15);
    QTest::newRow("OK") << "cmdOK" << QRect(417, 302, 62, 28);
}

void TestAboutWindow::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QCOMPARE(control(name.toLatin1().constData())->geometry(), expected);
}

void TestAboutWindow::textsFitTheirBoxes() {
    for (const char* name : {"lblAppTitle", "lblVersion", "lblAurth", "Label1", "lblName"}) {
        const auto* label = control<QLabel>(name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    // The designed boxes: the words and the name on one line, the name right behind them.
    const auto* words = control<QLabel>("lblAurth");
    const auto* link = control<QLabel>("Label1");
    QCOMPARE(words->pos(), QPoint(8, 271));
    QCOMPARE(link->y(), 271);
    QCOMPARE(link->x(), std::max(84, words->geometry().right() + 2));
    // The developer's name was chosen to fit the designed 54 pixels.
    QVERIFY(link->width() <= 54);
    const auto* text = control<QLabel>("StaticText1");
    QCOMPARE(text->pos(), QPoint(8, 80));
    QCOMPARE(text->width(), 465);
    QVERIFY(text->heightForWidth(465) <= text->height());
    QVERIFY(text->geometry().bottom() < words->y());
    QCOMPARE(control("lblName")->pos(), QPoint(8, 314));
}

void TestAboutWindow::longUserNameStopsShortOfOk() {
    const QString longest(254, u'w');
    setUserNameLookupForTesting([&] { return std::optional(longest.toLatin1()); });
    AboutWindow other;
    countLookups();
    const auto* name = other.findChild<QLabel*>(u"lblName"_qs);
    QCOMPARE(name->text(), longest);
    QCOMPARE(name->toolTip(), longest);
    QVERIFY(name->geometry().right() < other.findChild<QPushButton*>(u"cmdOK"_qs)->x());
}

void TestAboutWindow::logoIsDrawnWithTransparency() {
    const QImage client = m_window->grab().toImage();
    const QColor background = client.pixelColor(2, 2);
    const QPoint logo = control("ImgLogo")->pos();
    int painted = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            painted += client.pixelColor(logo + QPoint(x, y)) != background;
    // The corners show the window through; the flower covers a good part of the square.
    QCOMPARE(client.pixelColor(logo), background);
    QCOMPARE(client.pixelColor(logo + QPoint(47, 0)), background);
    QVERIFY2(painted > 48 * 48 / 4 && painted < 48 * 48 * 3 / 4,
             qPrintable(QString::number(painted)));
}

void TestAboutWindow::onlyTheNameOpensThePage_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("releaseOutside");
    QTest::addColumn<int>("opened");
    QTest::newRow("the words before the name") << "lblAurth" << false << 0;
    QTest::newRow("the user name") << "lblName" << false << 0;
    QTest::newRow("the name") << "Label1" << false << 1;
    QTest::newRow("pressed on the name, released beside it") << "Label1" << true << 0;
}

void TestAboutWindow::onlyTheNameOpensThePage() {
    QFETCH(QString, target);
    QFETCH(bool, releaseOutside);
    QFETCH(int, opened);
    QVERIFY(showAndWait());
    auto* label = control(target.toLatin1().constData());
    const QPoint inside = label->rect().center();
    if (releaseOutside) {
        QTest::mousePress(label, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(label->width() + 20, inside.y()));
    } else {
        QTest::mouseClick(label, Qt::LeftButton, {}, inside);
    }
    QCOMPARE(m_opened.size(), opened);
    if (opened > 0)
        QCOMPARE(m_opened.constFirst(), QUrl(About::DeveloperPage.toString()));
    QVERIFY(m_window->isVisible());
    m_window->reject();
    QTRY_VERIFY(!m_window->isVisible());
}

void TestAboutWindow::laterShowingIsWhereItWasClosed() {
    QVERIFY(showAndWait());
    const QPoint target = workArea().topLeft() + QPoint(137, 91);
    m_window->move(target);
    QTRY_COMPARE(m_window->frameGeometry().topLeft(), target);
    m_window->close();
    QTRY_VERIFY(!m_window->isVisible());

    QVERIFY(showAndWait());
    QTRY_COMPARE(m_window->frameGeometry().topLeft(), target);
    QCOMPARE(control<QLabel>("lblName")->text(), m_firstName);
    QCOMPARE(m_lookups, 1);
    m_window->close();
    QTRY_VERIFY(!m_window->isVisible());
}

void TestAboutWindow::enterClosesThroughOk() {
    // Shown the way the program shows it: modally, returning when closed.
    QSignalSpy okClicked(control<QPushButton>("cmdOK"), &QPushButton::clicked);
    bool sawFocus = false;
    QTimer::singleShot(0, this, [&] {
        if (QTest::qWaitForWindowExposed(m_window.get()) &&
            QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; })) {
            sawFocus = QApplication::focusWidget() == control("cmdOK");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    });
    // Should Enter not close it, the run must still end.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, m_window.get(), &QDialog::reject);
    guard.start(20000);
    const int result = m_window->exec();
    QVERIFY(guard.isActive());
    QVERIFY(sawFocus);
    QCOMPARE(okClicked.count(), 1);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!m_window->isVisible());
}

void TestAboutWindow::screenshot() {
    QVERIFY(showAndWait());
    QTRY_VERIFY(m_window->isActiveWindow());
    QVERIFY(QDir().mkpath(QStringLiteral(LARKSPAN_ARTIFACT_DIR)));
    const QRect frame = m_window->frameGeometry();
    const QPixmap shot =
        m_window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    QVERIFY(shot.save(QStringLiteral(LARKSPAN_ARTIFACT_DIR "/about.png")));
    QVERIFY(m_window->grab().save(QStringLiteral(LARKSPAN_ARTIFACT_DIR "/about-client.png")));
    m_window->reject();
    QTRY_VERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
