// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/username.h"

#include <QProcess>
#include <QTest>

class TestUserName : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setUserNameLookupForTesting({}); }

    void shownName_data();
    void shownName();
    void effectiveUserIsFound();
};

void TestUserName::shownName_data() {
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("expected");

    const QByteArray longest(254, 'u');
    QTest::newRow("refused request") << true << QByteArray() << "this-PC";
    QTest::newRow("normal") << false << QByteArray("alice") << "alice";
    QTest::newRow("empty name") << false << QByteArray("") << "this-PC";
    QTest::newRow("254 characters whole") << false << longest << QString::fromLatin1(longest);
    QTest::newRow("255 characters do not fit") << false << QByteArray(255, 'u') << "this-PC";
    QTest::newRow("far too long") << false << QByteArray(4000, 'u') << "this-PC";
    QTest::newRow("text ends at the first zero") << false << QByteArray("bob\0junk", 8) << "bob";
    QTest::newRow("only the text before the zero counts")
        << false << longest + QByteArray("\0tail", 5) << QString::fromLatin1(longest);
    QTest::newRow("UTF-8 name") << false << QByteArray("jos\xC3\xA9") << u"josé"_qs;
    // The capacity counts characters, not the bytes they take.
    const QByteArray accents = QString(254, u'é').toUtf8();
    QTest::newRow("254 two-byte characters whole") << false << accents << QString(254, u'é');
    QTest::newRow("255 two-byte characters do not fit") << false << accents + "\xC3\xA9"
                                                        << "this-PC";
}

void TestUserName::shownName() {
    QFETCH(bool, refused);
    QFETCH(QByteArray, raw);
    QFETCH(QString, expected);
    const std::optional<QByteArray> lookup = refused ? std::nullopt : std::optional(raw);
    QCOMPARE(userNameOrFallback(lookup), expected);

    setUserNameLookupForTesting([&] { return lookup; });
    QCOMPARE(GetCurrentUserName(), expected);
}

void TestUserName::effectiveUserIsFound() {
    QProcess id;
    id.start(u"id"_qs, {u"-un"_qs});
    if (!id.waitForFinished(10000) || id.exitCode() != 0)
        QSKIP("id(1) is not available");
    const QByteArray expected = id.readAllStandardOutput().trimmed();
    const std::optional<QByteArray> name = effectiveUserLoginName();
    QVERIFY(name.has_value());
    QCOMPARE(*name, expected);
}

QTEST_APPLESS_MAIN(TestUserName)
#include "tst_username.moc"
