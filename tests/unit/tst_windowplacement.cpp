// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/windowplacement.h"

#include <QTest>

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void centred_data();
    void centred();
    void canBeGrabbed_data();
    void canBeGrabbed();
};

void TestWindowPlacement::centred_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("work area at the origin")
        << QRect(0, 0, 1920, 1056) << QSize(489, 362) << QPoint(715, 347);
    QTest::newRow("work area below a top panel")
        << QRect(0, 30, 1920, 1050) << QSize(500, 350) << QPoint(710, 380);
    QTest::newRow("second screen on the left")
        << QRect(-1280, 0, 1280, 1024) << QSize(480, 324) << QPoint(-880, 350);
    QTest::newRow("frame larger than the area keeps its title on it")
        << QRect(100, 50, 400, 300) << QSize(489, 362) << QPoint(100, 50);
}

void TestWindowPlacement::centred() {
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(WindowPlacement::centred(area, frame), expected);
}

void TestWindowPlacement::canBeGrabbed_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("expected");
    // Two screens side by side, the right one lower.
    QTest::newRow("inside") << QRect(100, 100, 489, 362) << true;
    QTest::newRow("across both screens") << QRect(1700, 300, 489, 362) << true;
    QTest::newRow("bottom hanging out") << QRect(100, 900, 489, 362) << true;
    QTest::newRow("mostly off the left edge") << QRect(-430, 100, 489, 362) << true;
    QTest::newRow("only a sliver on the left edge") << QRect(-460, 100, 489, 362) << false;
    QTest::newRow("title above every screen") << QRect(100, -20, 489, 362) << false;
    QTest::newRow("title in the gap above the lower screen") << QRect(2200, 100, 489, 362) << false;
    QTest::newRow("on a removed screen far right") << QRect(4000, 300, 489, 362) << false;
}

void TestWindowPlacement::canBeGrabbed() {
    QFETCH(QRect, frame);
    QFETCH(bool, expected);
    const QList<QRect> areas{QRect(0, 0, 1920, 1056), QRect(1920, 200, 1280, 1024)};
    QCOMPARE(WindowPlacement::canBeGrabbed(frame, areas), expected);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
