// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "core/profileinteger.h"

#include <QTest>

class TestProfileInteger : public QObject {
    Q_OBJECT
private slots:
    void conversion_data();
    void conversion();
    void errorBoxText_data();
    void errorBoxText();
};

void TestProfileInteger::conversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    const int def = 7;
    const QList<std::pair<const char*, int>> cases = {
        {"42", 42},
        {"+42", 42},
        {"-42", -42},
        {"007", 7},
        {"$1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$100000000", def},
        {"$000000001F", 31},
        {"2147483647", 2147483647},
        {"2147483648", def},
        {"-2147483648", int(-2147483648LL)},
        {"-2147483649", def},
        {"12abc", def},
        {"abc", def},
        {"1.5", def},
        {"--1", def},
        {"$", def},
        {"0x", def},
        {"-", def},
        {"", def},
        {"   ", def},
        {"  42", 42},
        {"\t42", def},
        {"42 ", def},
        {"+-1", def},
        {"$-1", def},
        {"0x+1", def},
        {"-$80000000", int(-2147483648LL)},
        {"$7fffffff", 2147483647},
        {"99999999999999999999", def},
        {"0", 0},
        {"-0", 0},
        {"1e3", def},
        {"$1G", def},
        {"- 1", def},
    };
    for (const auto& [text, expected] : cases)
        QTest::newRow(*text ? text : "(empty)") << QString::fromLatin1(text) << expected;
}

void TestProfileInteger::conversion() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(parseProfileInteger(text).value_or(7), expected);
}

void TestProfileInteger::errorBoxText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Unable to write to x.ini"
                            << "Unable to write to x.ini.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("quote sorts before") << "Cannot open \"a\""
                                        << "Cannot open \"a\"";
    QTest::newRow("bang") << "Stop!"
                          << "Stop!";
    QTest::newRow("slash sorts after") << "a/"
                                       << "a/.";
    QTest::newRow("digit") << "code 5"
                           << "code 5.";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("non-ASCII") << u"Grüße"_qs << u"Grüße."_qs;
}

void TestProfileInteger::errorBoxText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(::errorBoxText(message), shown);
}

QTEST_APPLESS_MAIN(TestProfileInteger)
#include "tst_profileinteger.moc"
