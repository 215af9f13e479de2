// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry/newentries.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Entries = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(Entries)

class TestNewEntries : public QObject {
    Q_OBJECT
private slots:
    void desktopEntryListing_data();
    void desktopEntryListing();
    void droppedItems_data();
    void droppedItems();
    void installedApplications();

private:
    QString write(const QString& name, const QByteArray& content) {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        writeBytes(path, content);
        return path;
    }
    QTemporaryDir m_dir;
};

// clang-format off
void TestNewEntries::desktopEntryListing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("desktops");
    QTest::addColumn<QString>("name"); // "(none)": not a desktop entry
    QTest::addColumn<bool>("listed");
    const QByteArray names = "[Desktop Entry]\nName=Files\nName[de]=Dateien\nName[de_CH]=Ordner\n"
                             "Name[de_CH@alt]=Mappe\nName[sr@latin]=Fajlovi\n";
    QTest::newRow("lang_COUNTRY@MODIFIER") << names << "de_CH.UTF-8@alt" << QStringList() << "Mappe" << true;
    QTest::newRow("lang_COUNTRY, encoding ignored") << names << "de_CH.UTF-8" << QStringList() << "Ordner" << true;
    QTest::newRow("lang for another country") << names << "de_AT.UTF-8" << QStringList() << "Dateien" << true;
    QTest::newRow("lang@MODIFIER") << names << "sr_RS@latin" << QStringList() << "Fajlovi" << true;
    QTest::newRow("unknown language") << names << "fr_FR.UTF-8" << QStringList() << "Files" << true;
    QTest::newRow("C locale") << names << "C" << QStringList() << "Files" << true;
    QTest::newRow("NoDisplay") << QByteArray("[Desktop Entry]\nName=A\nNoDisplay=true\n") << "C" << QStringList() << "A" << false;
    QTest::newRow("Hidden") << QByteArray("[Desktop Entry]\nName=A\nHidden=true\n") << "C" << QStringList() << "A" << false;
    QTest::newRow("NoDisplay false") << QByteArray("[Desktop Entry]\nName=A\nNoDisplay=false\n") << "C" << QStringList() << "A" << true;
    QTest::newRow("OnlyShowIn, other desktop") << QByteArray("[Desktop Entry]\nName=A\nOnlyShowIn=GNOME;KDE;\n") << "C" << QStringList{"XFCE"} << "A" << false;
    QTest::newRow("OnlyShowIn, no desktop") << QByteArray("[Desktop Entry]\nName=A\nOnlyShowIn=GNOME;\n") << "C" << QStringList() << "A" << false;
    QTest::newRow("OnlyShowIn, one of ours") << QByteArray("[Desktop Entry]\nName=A\nOnlyShowIn=GNOME;KDE;\n") << "C" << QStringList{"ubuntu", "KDE"} << "A" << true;
    QTest::newRow("NotShowIn ours") << QByteArray("[Desktop Entry]\nName=A\nNotShowIn=KDE;\n") << "C" << QStringList{"KDE"} << "A" << false;
    QTest::newRow("keys of another group") << QByteArray("[Desktop Entry]\nName=A\n[Desktop Action x]\nNoDisplay=true\n") << "C" << QStringList() << "A" << true;
    QTest::newRow("broken: no entry group") << QByteArray("Name=A\nNoDisplay=true\n") << "C" << QStringList() << "(none)" << false;
    QTest::newRow("broken: binary") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0[", 12) << "C" << QStringList() << "(none)" << false;
    QTest::newRow("broken: group cut short") << QByteArray("[Desktop Entry") << "C" << QStringList() << "(none)" << false;
}
// clang-format on

void TestNewEntries::desktopEntryListing() {
    QFETCH(QByteArray, content);
    QFETCH(QString, locale);
    QFETCH(QStringList, desktops);
    QFETCH(QString, name);
    QFETCH(bool, listed);
    const auto entry = parseDesktopEntry(content, u"/a.desktop"_qs, locale);
    QCOMPARE(entry ? entry->name : u"(none)"_qs, name);
    QCOMPARE(entry && isListedOn(*entry, desktops), listed);
}

void TestNewEntries::droppedItems_data() {
    QTest::addColumn<QStringList>("urls"); // "<dir>" stands for the test folder
    QTest::addColumn<Entries>("entries");
    const QString app =
        write(u"share/editor.desktop"_qs,
              "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Bearbeiter\n"
              "Exec=editor\n");
    write(u"share/nameless.desktop"_qs, "[Desktop Entry]\nExec=x\n");
    write(u"docs/report.final.pdf"_qs, "%PDF");
    const QString at = m_dir.path();
    QTest::newRow("desktop file, localised")
        << QStringList{u"file://<dir>/share/editor.desktop"_qs} << Entries{{u"Bearbeiter"_qs, app}};
    QTest::newRow("desktop file without a name")
        << QStringList{u"file://<dir>/share/nameless.desktop"_qs}
        << Entries{{u"nameless.desktop"_qs, at + u"/share/nameless.desktop"_qs}};
    QTest::newRow("file and folder with a slash")
        << QStringList{u"file://<dir>/docs/report.final.pdf"_qs, u"file://<dir>/docs/"_qs}
        << Entries{{u"report.final.pdf"_qs, at + u"/docs/report.final.pdf"_qs},
                   {u"docs"_qs, at + u"/docs"_qs}};
    QTest::newRow("root folder") << QStringList{u"file:///"_qs} << Entries{{u"/"_qs, u"/"_qs}};
    QTest::newRow("web pages")
        << QStringList{u"https://www.example.org/a%20b?q=1"_qs, u"mailto:me@example.org"_qs}
        << Entries{{u"www.example.org"_qs, u"https://www.example.org/a%20b?q=1"_qs},
                   {u"mailto:me@example.org"_qs, u"mailto:me@example.org"_qs}};
    QTest::newRow("line break: kept encoded in a URL, left out in a file name")
        << QStringList{u"https://a.example/%0A"_qs, u"file://<dir>/two%0Alines"_qs}
        << Entries{{u"a.example"_qs, u"https://a.example/%0A"_qs}};
    write(u"R&D/-"_qs, "");
    write(u"share/cartoon.desktop"_qs, "[Desktop Entry]\nType=Application\nName=Tom & Jerry\n");
    QTest::newRow("names shown as they are: no access key, no separator")
        << QStringList{u"file://<dir>/R%26D"_qs, u"file://<dir>/R%26D/-"_qs,
                       u"file://<dir>/share/cartoon.desktop"_qs}
        << Entries{{u"R&&D"_qs, at + u"/R&D"_qs},
                   {u"- "_qs, at + u"/R&D/-"_qs},
                   {u"Tom && Jerry"_qs, at + u"/share/cartoon.desktop"_qs}};
    QTest::newRow("nothing usable") << QStringList{QString(), u"http://[::1"_qs} << Entries{};
}

void TestNewEntries::droppedItems() {
    QFETCH(QStringList, urls);
    QFETCH(Entries, entries);
    QList<QUrl> dropped;
    for (const QString& url : urls)
        dropped.append(QUrl(QString(url).replace(u"<dir>"_qs, m_dir.path())));
    Entries got;
    for (const MenuEntry& entry : entriesForDroppedUrls(dropped, u"de_DE.UTF-8"_qs))
        got.append({entry.caption, entry.target});
    QCOMPARE(got, entries);
}

void TestNewEntries::installedApplications() {
    const auto app = [](const QByteArray& name, const QByteArray& more = {}) {
        return "[Desktop Entry]\nType=Application\nExec=x\nName=" + name + "\n" + more;
    };
    // The user's folder first: its copy of an ID wins, a hidden one hides the system's.
    write(u"user/applications/zed.desktop"_qs, app("zed (mine)"));
    write(u"user/applications/gone.desktop"_qs, app("Gone", "Hidden=true\n"));
    write(u"system/applications/zed.desktop"_qs, app("Zed"));
    write(u"system/applications/gone.desktop"_qs, app("Gone"));
    write(u"system/applications/kde/konsole.desktop"_qs, app("Konsole", "OnlyShowIn=KDE;\n"));
    write(u"system/applications/kde/kate.desktop"_qs, app("Kate"));
    write(u"system/applications/helper.desktop"_qs, app("Helper", "NoDisplay=true\n"));
    write(u"system/applications/site.desktop"_qs,
          "[Desktop Entry]\nType=Link\nName=Site\nURL=https://x/\n");
    write(u"system/applications/apple.desktop"_qs, app("apple"));
    write(u"system/applications/broken.desktop"_qs, "\xFF\xFE garbage");
    write(u"system/applications/notes.txt"_qs, app("Not a desktop file"));
    const QStringList folders{m_dir.filePath(u"user/applications"_qs),
                              m_dir.filePath(u"system/applications"_qs),
                              m_dir.filePath(u"missing/applications"_qs)};
    QStringList names;
    for (const DesktopEntry& entry : readInstalledApplications(folders, {u"XFCE"_qs}, u"C"_qs))
        names << entry.name + u' ' + QFileInfo(entry.location).path().section(u'/', -2);
    QCOMPARE(names, (QStringList{u"apple system/applications"_qs, u"Kate applications/kde"_qs,
                                 u"zed (mine) user/applications"_qs}));
}

QTEST_GUILESS_MAIN(TestNewEntries)
#include "tst_newentries.moc"
