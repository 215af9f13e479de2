// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uilanguages.h"

#include <QTest>

class TestUiLanguages : public QObject {
    Q_OBJECT
private slots:
    void fromEnvironment_data();
    void fromEnvironment();
};

void TestUiLanguages::fromEnvironment_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QStringList>("expected");
    const QList<std::tuple<const char*, QStringList, QStringList>> cases = {
        {"nothing set", {}, {}},
        {"LANG", {"LANG=de_DE.UTF-8"}, {"de_DE"}},
        {"modifier dropped", {"LANG=ca_ES.UTF-8@valencia"}, {"ca_ES"}},
        {"LC_MESSAGES over LANG", {"LANG=fr_FR.UTF-8", "LC_MESSAGES=ru_RU.UTF-8"}, {"ru_RU"}},
        {"LC_ALL over both",
         {"LANG=fr_FR.UTF-8", "LC_MESSAGES=ru_RU.UTF-8", "LC_ALL=pt_BR.UTF-8"},
         {"pt_BR"}},
        {"empty LC_ALL is unset", {"LANG=es_ES.UTF-8", "LC_ALL="}, {"es_ES"}},
        {"LANGUAGE list first",
         {"LANG=de_DE.UTF-8", "LANGUAGE=zh_CN:fr::en"},
         {"zh_CN", "fr", "en"}},
        {"empty LANGUAGE", {"LANG=de_DE.UTF-8", "LANGUAGE="}, {"de_DE"}},
        {"LANGUAGE ignored in C", {"LANG=C", "LANGUAGE=de"}, {}},
        {"LANGUAGE ignored in C.UTF-8", {"LANG=C.UTF-8", "LANGUAGE=de"}, {}},
        {"LANGUAGE ignored in POSIX", {"LC_ALL=POSIX", "LANG=de_DE.UTF-8", "LANGUAGE=de"}, {}},
        {"LANGUAGE ignored without locale", {"LANGUAGE=de"}, {}},
        {"C messages under a German LANG", {"LANG=de_DE.UTF-8", "LC_MESSAGES=C"}, {}},
    };
    for (const auto& [name, variables, expected] : cases)
        QTest::newRow(name) << variables << expected;
}

void TestUiLanguages::fromEnvironment() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, expected);
    QProcessEnvironment environment;
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(preferredLanguages(environment), expected);
}

QTEST_GUILESS_MAIN(TestUiLanguages)
#include "tst_uilanguages.moc"
