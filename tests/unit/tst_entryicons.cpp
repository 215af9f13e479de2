// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/entryicons.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using Kind = IconRequest::Kind;
Q_DECLARE_METATYPE(IconRequest::Kind)

namespace {

// The test's own data and config folders, set before Qt first looks for icons. @DIR@ stands
// for the root; @DIR@/bin is first on PATH.
QTemporaryDir& root() {
    static QTemporaryDir dir;
    return dir;
}

QString fill(QString text) {
    return text.replace(u"@DIR@"_qs, root().path());
}

void writePng(const QString& path, QColor colour, int size) {
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

void writeTheme(const QString& name, const QString& directories) {
    QString index = u"[Icon Theme]\nName=%1\nDirectories=%2\n"_qs.arg(name, directories);
    for (const QString& dir : directories.split(u','))
        index += u"[%1]\nSize=%2\nType=Fixed\n"_qs.arg(dir, dir.section(u'x', 0, 0));
    QDir().mkpath(fill(u"@DIR@/share/icons/"_qs + name));
    writeBytes(fill(u"@DIR@/share/icons/%1/index.theme"_qs.arg(name)), index.toUtf8());
}

// A small theme "Lark" with a few icons at 16 and 32 pixels, and hicolor below it.
void buildDesktop() {
    const QString theme = u"@DIR@/share/icons/Lark/"_qs;
    writeTheme(u"Lark"_qs, u"16x16/apps,32x32/apps,16x16/places,16x16/mimetypes"_qs);
    writePng(fill(theme + u"16x16/apps/larkspan-tool.png"_qs), Qt::red, 16);
    writePng(fill(theme + u"32x32/apps/larkspan-tool.png"_qs), Qt::blue, 32);
    writePng(fill(theme + u"16x16/apps/myapp.png"_qs), QColor(128, 0, 128), 16);
    writePng(fill(theme + u"16x16/apps/mailer.png"_qs), Qt::magenta, 16);
    writePng(fill(theme + u"16x16/places/folder.png"_qs), Qt::green, 16);
    writePng(fill(theme + u"16x16/mimetypes/text-plain.png"_qs), Qt::yellow, 16);
    writePng(fill(theme + u"16x16/mimetypes/text-html.png"_qs), QColor(255, 128, 0), 16);
    writeBytes(fill(theme + u"16x16/apps/broken-app.png"_qs), "no picture");
    writeTheme(u"hicolor"_qs, u"16x16/apps"_qs);
    writePng(fill(u"@DIR@/share/icons/hicolor/16x16/apps/application-x-executable.png"_qs),
             Qt::gray, 16);
    writePng(fill(u"@DIR@/own.png"_qs), Qt::cyan, 32);
    for (const char* folder :
         {"work/folder", "share/applications", "config/gtk-3.0", "bin", "system"})
        QDir().mkpath(fill(u"@DIR@/"_qs + QString::fromUtf8(folder)));

    writeBytes(fill(u"@DIR@/work/notes.txt"_qs), "text");
    for (const char* entry : {"app:myapp", "own:@DIR@/own.png", "broken:broken-app"}) {
        const QString spec = QString::fromUtf8(entry);
        writeBytes(
            fill(u"@DIR@/work/%1.desktop"_qs.arg(spec.section(u':', 0, 0))),
            fill(u"[Desktop Entry]\nExec=x\nIcon=%1\n"_qs.arg(spec.section(u':', 1))).toUtf8());
    }
    writeBytes(fill(u"@DIR@/share/applications/mailer.desktop"_qs),
               "[Desktop Entry]\nExec=mailer %u\nIcon=mailer\n");
    writeBytes(fill(u"@DIR@/config/mimeapps.list"_qs),
               "[Default Applications]\nx-scheme-handler/mailto=mailer.desktop\n");
    for (const char* tool : {"@DIR@/bin/larkspan-tool", "@DIR@/bin/plain-tool"}) {
        writeBytes(fill(QString::fromUtf8(tool)), "#!/bin/sh\n");
        QFile::setPermissions(fill(QString::fromUtf8(tool)), QFile::ReadOwner | QFile::ExeOwner);
    }
    // The system's MIME types, without its icons.
    QFile::link(u"/usr/share/mime"_qs, fill(u"@DIR@/system/mime"_qs));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(fill(u"@DIR@/share:@DIR@/system"_qs)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(fill(u"@DIR@/nothing"_qs)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fill(u"@DIR@/config"_qs)));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(fill(u"@DIR@/nothing"_qs)));
    qputenv("PATH", QFile::encodeName(fill(u"@DIR@/bin:"_qs)) + qgetenv("PATH"));
}

// An XSettings blob in little-endian order: strings, and one integer and colour to skip.
QByteArray xsettingsBlob(const QList<std::pair<QByteArray, QByteArray>>& strings) {
    const auto u32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto padded = [](QByteArray b) { return b.leftJustified((b.size() + 3) & ~3, '\0'); };
    QByteArray out = QByteArray(4, 0) + u32(7) + u32(quint32(strings.size() + 2));
    out += QByteArray("\0\0\x0a\0", 4) + padded("Net/Int123") + u32(0) + u32(5);
    out += QByteArray("\x02\0\x05\0", 4) + padded("Color") + u32(0) + QByteArray(8, 1);
    for (const auto& [name, value] : strings)
        out += QByteArray("\x01\0", 2) + QByteArray(1, char(name.size())) + QByteArray(1, 0) +
               padded(name) + u32(0) + u32(quint32(value.size())) + padded(value);
    return out;
}

} // namespace

class TestEntryIcons : public QObject {
    Q_OBJECT
private slots:
    void themeChoice_data();
    void themeChoice();
    void icons_data();
    void icons();
    void ownIcons_data();
    void ownIcons();
};

void TestEntryIcons::themeChoice_data() {
    QTest::addColumn<QByteArray>("xsettings");
    QTest::addColumn<QByteArray>("gtk");
    QTest::addColumn<QByteArray>("kde");
    QTest::addColumn<QString>("theme");
    const QByteArray gtk = "[Settings]\ngtk-icon-theme-name = FromGtk\n";
    const QByteArray kde = "[General]\nTheme=No\n[Icons]\nTheme=FromKde\n";
    const QByteArray x = xsettingsBlob({{"Gtk/Other", "no"}, {"Net/IconThemeName", "FromX"}});
    QTest::newRow("XSettings first") << x << gtk << kde << "FromX";
    QTest::newRow("then GTK") << QByteArray() << gtk << kde << "FromGtk";
    QTest::newRow("then KDE") << xsettingsBlob({{"Gtk/Other", "no"}}) << QByteArray() << kde
                              << "FromKde";
    QTest::newRow("cut-off XSettings are ignored") << x.chopped(6) << gtk << kde << "FromGtk";
    QTest::newRow("a length past the end is ignored")
        << x.left(x.size() - 12) + QByteArray("\xff\xff\xff\x7f", 4) + x.right(8) << gtk << kde
        << "FromGtk";
    QTest::newRow("none") << QByteArray() << QByteArray() << QByteArray() << "";
}

void TestEntryIcons::themeChoice() {
    QFETCH(QByteArray, xsettings);
    QFETCH(QByteArray, gtk);
    QFETCH(QByteArray, kde);
    QFETCH(QString, theme);
    QCOMPARE(desktopIconTheme(xsettings, gtk, kde), theme);
}

void TestEntryIcons::icons_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QColor>("colour"); // invalid: no icon
    QTest::newRow("command on PATH")
        << "larkspan-tool --flag" << 1.0 << Kind::Program << QColor(Qt::red);
    QTest::newRow("at 2x the 32-pixel file")
        << "larkspan-tool" << 2.0 << Kind::Program << QColor(Qt::blue);
    QTest::newRow("executable by path")
        << "@DIR@/bin/larkspan-tool" << 1.0 << Kind::Program << QColor(Qt::red);
    QTest::newRow("no theme icon: the generic one, from hicolor")
        << "@DIR@/bin/plain-tool -x" << 1.0 << Kind::Program << QColor(Qt::gray);
    QTest::newRow("folder") << "@DIR@/work/folder" << 1.0 << Kind::Folder << QColor(Qt::green);
    QTest::newRow("document by its name")
        << "@DIR@/work/notes.txt" << 1.0 << Kind::Document << QColor(Qt::yellow);
    QTest::newRow("desktop entry")
        << "@DIR@/work/app.desktop" << 1.0 << Kind::DesktopEntry << QColor(128, 0, 128);
    QTest::newRow("desktop entry naming a file")
        << "@DIR@/work/own.desktop" << 2.0 << Kind::DesktopEntry << QColor(Qt::cyan);
    QTest::newRow("broken icon file: the next one")
        << "@DIR@/work/broken.desktop" << 1.0 << Kind::DesktopEntry << QColor(Qt::gray);
    QTest::newRow("URL without a handler")
        << "https://example.org/" << 1.0 << Kind::Url << QColor(255, 128, 0);
    QTest::newRow("URL of the scheme's handler")
        << "mailto:a@example.org" << 1.0 << Kind::Mail << QColor(Qt::magenta);
    QTest::newRow("installed desktop entry by its name")
        << "mailer.desktop" << 1.0 << Kind::DesktopEntry << QColor(Qt::magenta);
    QTest::newRow("network path: by name, never looked at")
        << "/net/host/share/report.txt" << 1.0 << Kind::Document << QColor(Qt::yellow);
    QTest::newRow("missing file") << "@DIR@/work/gone.txt" << 1.0 << Kind::None << QColor();
    QTest::newRow("anything else") << "no-such-command-here" << 1.0 << Kind::None << QColor();
}

void TestEntryIcons::icons() {
    QFETCH(QString, target);
    QFETCH(qreal, ratio);
    QFETCH(Kind, kind);
    QFETCH(QColor, colour);
    target = fill(target);
    const QByteArray mounts = "/dev/sda1 / ext4 rw 0 0\nhost:/share /net/host/share nfs4 rw 0 0\n";
    QCOMPARE(iconRequestFor(target, networkMountPoints(mounts)).kind, kind);
    EntryIcons icons(
        desktopIconTheme({}, readBytes(fill(u"@DIR@/config/gtk-3.0/settings.ini"_qs)), {}), mounts);
    const QPixmap pixmap = icons.pixmap(target, ratio);
    QCOMPARE(pixmap.isNull(), !colour.isValid());
    if (pixmap.isNull())
        return;
    // Sharp: drawn from a file of the device size, not scaled up.
    QCOMPARE(pixmap.size(), QSize(16, 16) * ratio);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
    QCOMPARE(pixmap.toImage().pixelColor(pixmap.width() / 2, pixmap.height() / 2), colour);
}

void TestEntryIcons::ownIcons_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("icon");
    QTest::newRow("folder") << "@DIR@/work/folder" << 1.0 << "folder";
    QTest::newRow("document") << "/net/host/share/report.pdf" << 2.0 << "document@2x";
    QTest::newRow("desktop entry") << "@DIR@/work/app.desktop" << 1.0 << "program";
    QTest::newRow("web page") << "https://example.org/" << 1.0 << "web-page";
    QTest::newRow("mail") << "mailto:a@example.org" << 1.0 << "mail";
}

// With only hicolor, which names no folder, document or page, the program's own icons show.
void TestEntryIcons::ownIcons() {
    QFETCH(QString, target);
    QFETCH(qreal, ratio);
    QFETCH(QString, icon);
    writeTheme(u"hicolor"_qs, u"16x16/status"_qs);
    EntryIcons icons(u"hicolor"_qs, "host:/share /net/host/share nfs4 rw 0 0\n");
    const QImage own(u":/entryicons/%1.png"_qs.arg(icon), "PNG");
    QCOMPARE(icons.pixmap(fill(target), ratio).toImage().convertToFormat(own.format()), own);
}

int main(int argc, char** argv) {
    buildDesktop();
    writeBytes(fill(u"@DIR@/config/gtk-3.0/settings.ini"_qs),
               "[Settings]\ngtk-icon-theme-name=Lark\n");
    QApplication app(argc, argv);
    TestEntryIcons test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_entryicons.moc"
