// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/inidocument.h"
#include "support/guitest.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <array>

namespace {

constexpr int kShowings = 3;
constexpr int kAdds = 6;

struct Copy {
    QString name;
    int edited; // the entry it edits in every showing, when the menu has entries to begin with
    QPoint place;
};
const std::array<Copy, 2> kCopies{Copy{u"A"_qs, 1, {100, 200}}, Copy{u"B"_qs, 2, {400, 500}}};

const QByteArray kConfig = "[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                           "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"
                           "[WindowPos]\r\nTop=1\r\nLeft=1\r\n"
                           "; the user's own\r\n[user]\r\nnote=kept\r\n";
const QByteArray kMenu = "[menu]\r\nitems=2\r\n[item1]\r\ncaption=Seed A\r\nexec=a\r\n"
                         "[item2]\r\ncaption=Seed B\r\nexec=b\r\n";

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList keysOf(const IniDocument& document, const QString& section) {
    QStringList keys;
    for (const auto& entry : document.sectionEntries(section))
        keys.append(entry.first);
    return sorted(keys);
}

} // namespace

// Two copies of the program, separate processes, edit the menu of one application folder at
// the same time and both close: neither loses what the other wrote.
class TestTwoCopies : public QObject {
    Q_OBJECT
private slots:
    void bothEditAndClose_data();
    void bothEditAndClose();
};

void TestTwoCopies::bothEditAndClose_data() {
    QTest::addColumn<bool>("existing");
    QTest::newRow("first run") << false;
    QTest::newRow("existing menu and configuration") << true;
}

void TestTwoCopies::bothEditAndClose() {
    QFETCH(bool, existing);
    TestAppFolder folder;
    QVERIFY(QFile::copy(QStringLiteral(LARKSPAN_DATABASE_FILE), folder.file(u"data.mdb"_qs)));
    if (existing) {
        writeBytes(folder.file(u"config.ini"_qs), kConfig);
        writeBytes(folder.file(u"menu.ini"_qs), kMenu);
    }
    QTemporaryDir current; // holds no data.mdb

    std::array<QProcess, 2> copies;
    std::array<QByteArray, 2> output;
    for (int i = 0; i < 2; ++i) {
        const Copy& copy = kCopies[i];
        copies[i].setWorkingDirectory(current.path());
        copies[i].start(QStringLiteral(EDITING_COPY_PROGRAM),
                        {folder.path(), copy.name, QString::number(kShowings),
                         QString::number(kAdds), QString::number(existing ? copy.edited : 0),
                         QString::number(copy.place.x()), QString::number(copy.place.y()),
                         QString::number(kCopies.size())});
    }
    // Both wait for the go-ahead once their windows are up, so that their edits overlap.
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (int i = 0; i < 2; ++i)
                output[i] += copies[i].readAllStandardOutput();
            return output[0].contains("ready") && output[1].contains("ready");
        },
        30000));
    writeBytes(folder.file(u"go"_qs), QByteArray());
    for (QProcess& copy : copies) {
        const bool finished = copy.waitForFinished(50000);
        const QByteArray errors = copy.readAllStandardError();
        QVERIFY2(finished, errors.constData());
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QVERIFY2(copy.exitCode() == 0, errors.constData());
    }

    // config.ini: every key either copy wrote, with a value one of them wrote; the user's
    // own key kept; no section twice.
    const QByteArray configBytes = readBytes(folder.file(u"config.ini"_qs));
    const IniDocument config = IniDocument::parse(configBytes);
    QStringList headers;
    for (const QByteArray& line : configBytes.split('\n')) {
        if (line.startsWith('['))
            headers.append(QString::fromUtf8(line.trimmed()));
    }
    QStringList sections{u"[menu]"_qs, u"[skin]"_qs, u"[WindowPos]"_qs};
    if (existing)
        sections.append(u"[user]"_qs);
    QCOMPARE(sorted(headers), sorted(sections));
    QCOMPARE(keysOf(config, u"menu"_qs), QStringList{u"file"_qs});
    QCOMPARE(keysOf(config, u"skin"_qs), QStringList{u"file"_qs});
    QCOMPARE(keysOf(config, u"WindowPos"_qs), (QStringList{u"Left"_qs, u"Top"_qs}));
    QCOMPARE(config.value(u"menu", u"file"), u"$apppath$\\menu.ini"_qs);
    QCOMPARE(config.value(u"skin", u"file"), u"$apppath$\\skins\\default\\"_qs);
    // One copy's place, both halves from the same copy.
    const QString place = config.value(u"WindowPos", u"Left").value_or(QString()) + u',' +
                          config.value(u"WindowPos", u"Top").value_or(QString());
    QStringList places;
    for (const Copy& copy : kCopies)
        places.append(u"%1,%2"_qs.arg(copy.place.x()).arg(copy.place.y()));
    QVERIFY2(places.contains(place), qPrintable(place));
    if (existing)
        QCOMPARE(config.value(u"user", u"note"), u"kept"_qs);

    // menu.ini: every entry of both copies exactly once, with its own target, in the order
    // its copy added them, and a count that covers all entries and no more.
    const IniDocument menu = IniDocument::parse(readBytes(folder.file(u"menu.ini"_qs)));
    const int seeds = existing ? 2 : 0;
    const int total = seeds + 2 * kShowings * kAdds;
    QCOMPARE(menu.value(u"menu", u"items"), QString::number(total));
    QStringList captions;
    QHash<QString, QString> targets;
    for (int n = 1; n <= total + 1; ++n) {
        const QString section = u"item"_qs + QString::number(n);
        const std::optional<QString> caption = menu.value(section, u"caption");
        if (n > total) {
            QVERIFY2(!caption, qPrintable(u"an entry past the count: "_qs + *caption));
            break;
        }
        QVERIFY2(caption, qPrintable(u"no caption in "_qs + section));
        captions.append(*caption);
        targets.insert(*caption, menu.value(section, u"exec").value_or(QString()));
    }
    for (const Copy& copy : kCopies) {
        const QRegularExpression own(u"^"_qs + copy.name + u" \\d+$"_qs);
        QStringList expected;
        for (int k = 1; k <= kShowings * kAdds; ++k) {
            const QString caption = copy.name + u' ' + QString::number(k);
            expected.append(caption);
            QCOMPARE(targets.value(caption),
                     u"/usr/bin/"_qs + copy.name.toLower() + u'-' + QString::number(k));
        }
        QCOMPARE(captions.filter(own), expected);
        if (existing) {
            const QString last = QString::number(kShowings);
            QCOMPARE(captions.at(copy.edited - 1), copy.name + u" edited "_qs + last);
            QCOMPARE(targets.value(captions.at(copy.edited - 1)),
                     copy.name.toLower() + u"-exec-"_qs + last);
        }
    }
}

QTEST_GUILESS_MAIN(TestTwoCopies)

#include "tst_two_copies.moc"
