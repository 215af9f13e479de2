// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "database/connectionstring.h"

#include <QTest>

using Pairs = QList<std::pair<QString, QString>>;

class TestConnectionString : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Pairs>("expected");
        QTest::newRow("the program's own")
            << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=data.mdb;Persist Security Info=False"
            << Pairs{{"Provider", "Microsoft.Jet.OLEDB.4.0"},
                     {"Data Source", "data.mdb"},
                     {"Persist Security Info", "False"}};
        QTest::newRow("blanks around keys and values")
            << "  Provider = x ;  Data Source =  my data.mdb  ;"
            << Pairs{{"Provider", "x"}, {"Data Source", "my data.mdb"}};
        QTest::newRow("empty pairs") << ";;a=1;;;b=2;" << Pairs{{"a", "1"}, {"b", "2"}};
        QTest::newRow("empty value") << "a=;b=2" << Pairs{{"a", ""}, {"b", "2"}};
        QTest::newRow("double-quoted with ; and doubled quote")
            << "Data Source=\"a;b\"\"c.mdb\"" << Pairs{{"Data Source", "a;b\"c.mdb"}};
        QTest::newRow("single-quoted keeps its blanks")
            << "x=' padded ' ; y=1" << Pairs{{"x", " padded "}, {"y", "1"}};
        QTest::newRow("== in a key is one =") << "a==b=c" << Pairs{{"a=b", "c"}};
        QTest::newRow("= inside a value") << "a=b=c" << Pairs{{"a", "b=c"}};
        QTest::newRow("quote inside a plain value") << "a=it's" << Pairs{{"a", "it's"}};
        QTest::newRow("nothing") << "  " << Pairs{};
    }
    void parses() {
        QFETCH(QString, text);
        QFETCH(Pairs, expected);
        QCOMPARE(ConnectionString::parse(text).entries(), expected);
    }

    void refusesMalformed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString at = "The connection string is malformed at character ";
        QTest::newRow("no =") << "Provider" << at + "1: the key has no \"=\" after it";
        QTest::newRow("no = before ;") << "a=1;b;c=2" << at + "5: the key has no \"=\" after it";
        QTest::newRow("no key") << "a=1; =2" << at + "6: a value has no key";
        QTest::newRow("open quote") << "a=\"abc" << at + "3: the quoted value is not closed";
        QTest::newRow("text after quote")
            << "a='x' y;b=1" << at + "7: text follows the quoted value";
    }
    void refusesMalformed() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            ConnectionString::parse(text);
            QFAIL("parsed");
        } catch (const LarkspanError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    void valuesByKeyIgnoreLetterCaseAndTakeTheLast() {
        const auto parsed = ConnectionString::parse("PROVIDER=a;data source=b;Provider=c");
        QCOMPARE(parsed.value("provider"), QString("c"));
        QCOMPARE(parsed.value("Data Source"), QString("b"));
        QVERIFY(parsed.contains("DATA SOURCE"));
        QVERIFY(!parsed.contains("Password"));
        QCOMPARE(parsed.value("Password"), QString());
    }
};

QTEST_APPLESS_MAIN(TestConnectionString)
#include "tst_connectionstring.moc"
