// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "desktopentry/commandline.h"
#include "platform/menushortcut.h"
#include "platform/shortcutstore.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Where a GSettings desktop keeps custom keybindings, as the test reads them back.
struct CustomKeybindings {
    QString list;
    QString listKey;
    QString schema;
    QString folder;
    bool byName; // the list holds names, not paths
    QString entry(const QString& name) const { return byName ? name : folder + name + u'/'; }
    QString at(const QString& name) const { return schema + u':' + folder + name + u'/'; }
};
const CustomKeybindings kGnomeCustom{
    u"org.gnome.settings-daemon.plugins.media-keys"_qs, u"custom-keybindings"_qs,
    u"org.gnome.settings-daemon.plugins.media-keys.custom-keybinding"_qs,
    u"/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"_qs, false};
const CustomKeybindings kCinnamonCustom{u"org.cinnamon.desktop.keybindings"_qs, u"custom-list"_qs,
                                        u"org.cinnamon.desktop.keybindings.custom-keybinding"_qs,
                                        u"/org/cinnamon/desktop/keybindings/custom-keybindings/"_qs,
                                        true};
const CustomKeybindings& customOf(const QString& store) {
    return store == u"gnome" ? kGnomeCustom : kCinnamonCustom;
}
const QString kXfceChannel = u"xfce4-keyboard-shortcuts"_qs;
const QByteArray kKdeSeed = "[kwin]\nWindow Close=Alt+F4,Alt+F4,Close Window\n\n"
                            "[services][org.kde.konsole.desktop]\n_launch=Ctrl+Alt+T\n";

QString tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        qWarning() << program << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The first string of gsettings' answer ('x' or ['x']), for strings without single quotes.
QString gsettingsString(const QString& schema, const QString& key) {
    static const QRegularExpression quoted(u"'([^']*)'"_qs);
    return quoted.match(tool(u"gsettings"_qs, {u"get"_qs, schema, key})).captured(1);
}

QKeyCombination keys(Qt::KeyboardModifiers modifiers, Qt::Key key) {
    return QKeyCombination(modifiers, key);
}

} // namespace

// The key conversions and the command as pure functions; then each desktop's real store,
// started by shortcut_stores.sh in a home of the test's own: dconf (GNOME, Cinnamon) and xfconfd on
// a private session bus, KDE's files, an rc.xml read by the openbox of the test's desktop.
class TestMenuShortcut : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void keyNames_data();
    void keyNames();
    void otherSpellings_data();
    void otherSpellings();
    void command_data();
    void command();
    void desktops();
    void takenBy_data();
    void takenBy();
    void setReplaceClear_data();
    void setReplaceClear();
    void gnomeFailedWriteUndone();

private:
    std::unique_ptr<MenuShortcutStore> store(const QString& name) const;
    // What the store holds for us, read back with the desktop's own tool: "key -> command".
    QString ours(const QString& name) const;
    // Everything else the store holds, as its tool shows it.
    QString others(const QString& name) const;
    QString kdeConfig() const {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + u"/kglobalshortcutsrc"_qs;
    }
    QString kdeDesktopFile() const {
        return qEnvironmentVariable("XDG_DATA_HOME") + u"/applications/larkspan-menu.desktop"_qs;
    }
    QString rcFile() const {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + u"/openbox/rc.xml"_qs;
    }

    QTemporaryDir m_dir;
    QString m_programFolder;
    QString m_seed;
};

void TestMenuShortcut::initTestCase() {
    QVERIFY(!qEnvironmentVariable("LARKSPAN_TEST_HOME").isEmpty());
    QCOMPARE(QDir::homePath(), qEnvironmentVariable("LARKSPAN_TEST_HOME"));
    // The trigger beside the program records each run.
    m_programFolder = m_dir.path() + u"/my apps"_qs;
    QVERIFY(QDir().mkpath(m_programFolder));
    writeBytes(m_programFolder + u"/larkspan-action"_qs,
               "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/runs\"\n");
    QFile::setPermissions(m_programFolder + u"/larkspan-action"_qs,
                          QFile::ReadOwner | QFile::ExeOwner);
    m_seed = m_dir.path() + u"/seed-rc.xml"_qs;
    QVERIFY(QFile::copy(u"/etc/xdg/openbox/rc.xml"_qs, m_seed));
    // Another program's bindings, which must stay as they are.
    for (const CustomKeybindings* c : {&kGnomeCustom, &kCinnamonCustom}) {
        const QString other = c->at(u"custom0"_qs);
        tool(u"gsettings"_qs,
             {u"set"_qs, c->list, c->listKey, u"['"_qs + c->entry(u"custom0"_qs) + u"']"_qs});
        tool(u"gsettings"_qs, {u"set"_qs, other, u"name"_qs, u"'Terminal'"_qs});
        tool(u"gsettings"_qs, {u"set"_qs, other, u"command"_qs, u"'x-terminal-emulator'"_qs});
        tool(u"gsettings"_qs, {u"set"_qs, other, u"binding"_qs,
                               c->byName ? u"['<Primary><Alt>t']"_qs : u"'<Primary><Alt>t'"_qs});
        QCOMPARE(gsettingsString(other, u"binding"_qs), u"<Primary><Alt>t"_qs);
    }
    for (const auto& [property, value] :
         {std::pair(u"/commands/custom/<Primary><Alt>t"_qs, u"x-terminal-emulator"_qs),
          std::pair(u"/xfwm4/custom/<Alt>F4"_qs, u"close_window_key"_qs)})
        tool(u"xfconf-query"_qs, {u"-c"_qs, kXfceChannel, u"-p"_qs, property, u"-n"_qs, u"-t"_qs,
                                  u"string"_qs, u"-s"_qs, value});
    QVERIFY(QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME")));
    writeBytes(kdeConfig(), kKdeSeed);
}

void TestMenuShortcut::keyNames_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("gtk");
    QTest::addColumn<QString>("openbox");
    QTest::addColumn<QString>("kde");
    const auto row = [](const char* name, QKeyCombination k, bool accepted, const QString& gtk,
                        const QString& openbox, const QString& kde = {}) {
        QTest::newRow(name) << k << accepted << gtk << openbox << kde;
    };
    row("Super+Space", keys(Qt::MetaModifier, Qt::Key_Space), true, u"<Super>space"_qs,
        u"W-space"_qs, u"Meta+Space"_qs);
    row("Ctrl+Alt+T", keys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_T), true,
        u"<Primary><Alt>t"_qs, u"C-A-t"_qs, u"Ctrl+Alt+T"_qs);
    row("Ctrl+Shift+Page Down", keys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_PageDown),
        true, u"<Shift><Primary>Page_Down"_qs, u"S-C-Page_Down"_qs, u"Ctrl+Shift+PgDown"_qs);
    row("F12 alone", keys({}, Qt::Key_F12), true, u"F12"_qs, u"F12"_qs, u"F12"_qs);
    row("Shift+F35", keys(Qt::ShiftModifier, Qt::Key_F35), true, u"<Shift>F35"_qs, u"S-F35"_qs);
    row("Alt+1", keys(Qt::AltModifier, Qt::Key_1), true, u"<Alt>1"_qs, u"A-1"_qs);
    row("Super+slash", keys(Qt::MetaModifier, Qt::Key_Slash), true, u"<Super>slash"_qs,
        u"W-slash"_qs);
    // Typing keys are refused: the binding would swallow them.
    row("Shift+A", keys(Qt::ShiftModifier, Qt::Key_A), false, u"<Shift>a"_qs, u"S-a"_qs);
    row("Space alone", keys({}, Qt::Key_Space), false, u"space"_qs, u"space"_qs);
    // Keys the desktops cannot name are refused too.
    row("Ctrl+é", keys(Qt::ControlModifier, Qt::Key_Eacute), false, {}, {});
    row("Super alone", keys(Qt::MetaModifier, Qt::Key_Meta), false, {}, {});
    row("Ctrl+keypad 1", keys(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_1), false, {}, {});
    row("Ctrl+Alt+Group switch", keys(Qt::ControlModifier | Qt::GroupSwitchModifier, Qt::Key_K),
        false, {}, {});
}

void TestMenuShortcut::keyNames() {
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, accepted);
    QFETCH(QString, gtk);
    QFETCH(QString, openbox);
    QFETCH(QString, kde);
    QCOMPARE(isAcceptedShortcut(keys), accepted);
    if (!kde.isEmpty()) {
        QCOMPARE(kdeShortcut(keys), kde);
        QCOMPARE(keysOfKdeShortcut(kde), keys);
    }
    QCOMPARE(gtkAccelerator(keys).value_or(QString()), gtk);
    QCOMPARE(openboxKey(keys).value_or(QString()), openbox);
    if (!gtk.isEmpty()) {
        QCOMPARE(keysOfGtkAccelerator(gtk), keys);
        QCOMPARE(keysOfOpenboxKey(openbox), keys);
    }
}

// What other programs write, read back as the same keys.
void TestMenuShortcut::otherSpellings_data() {
    QTest::addColumn<bool>("gtkSyntax");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QKeyCombination>>("expected");
    const auto ctrlAltT = std::optional(keys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_T));
    QTest::newRow("<Control>") << true << u"<Control><Alt>t"_qs << ctrlAltT;
    QTest::newRow("<Ctrl><Mod1>T") << true << u"<Ctrl><Mod1>T"_qs << ctrlAltT;
    QTest::newRow("<super>Space") << true << u"<super>Space"_qs
                                  << std::optional(keys(Qt::MetaModifier, Qt::Key_Space));
    QTest::newRow("<Hyper>") << true << u"<Hyper>x"_qs << std::optional<QKeyCombination>();
    QTest::newRow("XF86 key") << true << u"XF86Keyboard"_qs << std::optional<QKeyCombination>();
    QTest::newRow("Mod4-Return") << false << u"Mod4-Return"_qs
                                 << std::optional(keys(Qt::MetaModifier, Qt::Key_Return));
    QTest::newRow("A-C-T") << false << u"A-C-T"_qs << ctrlAltT;
    QTest::newRow("H-x") << false << u"H-x"_qs << std::optional<QKeyCombination>();
}

void TestMenuShortcut::otherSpellings() {
    QFETCH(bool, gtkSyntax);
    QFETCH(QString, text);
    QFETCH(std::optional<QKeyCombination>, expected);
    QCOMPARE(gtkSyntax ? keysOfGtkAccelerator(text) : keysOfOpenboxKey(text), expected);
}

void TestMenuShortcut::command_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"/opt/larkspan"_qs << u"/opt/larkspan/larkspan-action menu"_qs;
    QTest::newRow("blank") << u"/home/u/my apps"_qs
                           << u"\"/home/u/my apps/larkspan-action\" menu"_qs;
    QTest::newRow("quotes") << u"/home/u/it's \"x\""_qs
                            << u"\"/home/u/it's \\\"x\\\"/larkspan-action\" menu"_qs;
    QTest::newRow("dollar, backslash")
        << u"/home/u/a$b\\c"_qs << u"\"/home/u/a\\$b\\\\c/larkspan-action\" menu"_qs;
}

// The desktops split the command into words as a shell would; the stores find it again.
void TestMenuShortcut::command() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    const QString command = menuShortcutCommand(folder);
    QCOMPARE(command, expected);
    QCOMPARE(splitCommandLine(command),
             std::optional(QStringList{folder + u"/larkspan-action"_qs, u"menu"_qs}));
    QVERIFY(isMenuShortcutCommand(command));
    for (const QString& other :
         {u"x-terminal-emulator"_qs, u"/opt/larkspan-action"_qs,
          u"/opt/larkspan-action menu now"_qs, u"/opt/my-larkspan-action menu"_qs,
          u"\"/opt/larkspan-action menu"_qs})
        QVERIFY2(!isMenuShortcutCommand(other), qPrintable(other));
}

void TestMenuShortcut::desktops() {
    const QList<std::pair<QString, ShortcutDesktop>> cases{
        {u"GNOME"_qs, ShortcutDesktop::Gnome},
        {u"ubuntu:GNOME"_qs, ShortcutDesktop::Gnome},
        {u"Budgie:GNOME"_qs, ShortcutDesktop::Gnome},
        {u"Unity"_qs, ShortcutDesktop::Gnome},
        {u"gnome-flashback:gnome"_qs, ShortcutDesktop::Gnome},
        {u"XFCE"_qs, ShortcutDesktop::Xfce},
        {u"LXDE"_qs, ShortcutDesktop::Openbox},
        {u"openbox"_qs, ShortcutDesktop::Openbox},
        {u"KDE"_qs, ShortcutDesktop::Kde},
        {u"X-Cinnamon"_qs, ShortcutDesktop::Cinnamon},
        {u""_qs, ShortcutDesktop::Unsupported}};
    for (const auto& [desktop, expected] : cases)
        QVERIFY2(shortcutDesktopFor(desktop.split(u':', Qt::SkipEmptyParts)) == expected,
                 qPrintable(desktop));
    // openbox's file in force is written only when it is the user's own.
    const QString home = u"/home/u/.config"_qs;
    QCOMPARE(openboxFileToWrite(home + u"/openbox/lxde-rc.xml"_qs, home, true),
             home + u"/openbox/lxde-rc.xml"_qs);
    QCOMPARE(openboxFileToWrite(u"/etc/xdg/openbox/rc.xml"_qs, home, false),
             home + u"/openbox/rc.xml"_qs);
    QCOMPARE(openboxFileToWrite(u"/home/u/.configs/rc.xml"_qs, home, false),
             home + u"/openbox/rc.xml"_qs);
    QCOMPARE(openboxFileToWrite({}, home, true), home + u"/openbox/lxde-rc.xml"_qs);
}

std::unique_ptr<MenuShortcutStore> TestMenuShortcut::store(const QString& name) const {
    if (name == u"gnome")
        return gnomeShortcutStore();
    if (name == u"cinnamon")
        return cinnamonShortcutStore();
    if (name == u"xfce")
        return xfceShortcutStore();
    if (name == u"kde")
        return kdeShortcutStore(kdeConfig(), QFileInfo(kdeDesktopFile()).path());
    return openboxShortcutStore(rcFile(), m_seed);
}

QString TestMenuShortcut::ours(const QString& name) const {
    if (name == u"gnome" || name == u"cinnamon") {
        const CustomKeybindings& c = customOf(name);
        if (!tool(u"gsettings"_qs, {u"get"_qs, c.list, c.listKey})
                 .contains(u'\'' + c.entry(u"larkspan"_qs) + u'\''))
            return {};
        return gsettingsString(c.at(u"larkspan"_qs), u"binding"_qs) + u" -> "_qs +
               gsettingsString(c.at(u"larkspan"_qs), u"command"_qs);
    }
    if (name == u"xfce") {
        static const QRegularExpression line(
            u"^/commands/custom/(\\S+)\\s+(.*larkspan-action.*)$"_qs,
            QRegularExpression::MultilineOption);
        const auto m =
            line.match(tool(u"xfconf-query"_qs, {u"-c"_qs, kXfceChannel, u"-l"_qs, u"-v"_qs}));
        return m.hasMatch() ? m.captured(1) + u" -> "_qs + m.captured(2) : QString();
    }
    if (name == u"kde") {
        static const QRegularExpression launch(
            u"\\[services\\]\\[larkspan-menu.desktop\\]\\n_launch=(.*)\\n"_qs);
        static const QRegularExpression exec(u"^Exec=(.*)$"_qs,
                                             QRegularExpression::MultilineOption);
        const auto m = launch.match(QString::fromUtf8(readBytes(kdeConfig())));
        const auto e = exec.match(QString::fromUtf8(readBytes(kdeDesktopFile())));
        return m.hasMatch() || e.hasMatch()
                   ? m.captured(1) + u" -> "_qs + e.captured(1).replace(u"\\\\"_qs, u"\\"_qs)
                   : QString();
    }
    static const QRegularExpression keybind(
        u"<keybind key=\"([^\"]+)\">.*<command>(.*larkspan-action.*)</command>"_qs);
    const auto m = keybind.match(QString::fromUtf8(readBytes(rcFile())));
    return m.hasMatch() ? m.captured(1) + u" -> "_qs + m.captured(2).replace(u"&quot;"_qs, u"\""_qs)
                        : QString();
}

QString TestMenuShortcut::others(const QString& name) const {
    QString text;
    if (name == u"gnome" || name == u"cinnamon") {
        text = tool(u"dconf"_qs, {u"dump"_qs, u"/"_qs});
        text.remove(QRegularExpression(u"\\n?\\[[^\\]]*/larkspan\\]\\n([^\\n]+\\n)*"_qs));
        text.remove(u", '"_qs + customOf(name).entry(u"larkspan"_qs) + u'\'');
    } else if (name == u"kde") {
        // The file kglobalaccel writes, every byte but our group's.
        text = QString::fromUtf8(readBytes(kdeConfig()));
        text.remove(
            QRegularExpression(u"\\n?\\[services\\]\\[larkspan-menu.desktop\\]\\n[^\\[]*"_qs));
        return text;
    } else if (name == u"xfce") {
        text = tool(u"xfconf-query"_qs, {u"-c"_qs, kXfceChannel, u"-l"_qs, u"-v"_qs});
    } else {
        // Every byte but our line; before the first write, the file openbox starts from.
        text = QString::fromUtf8(QFile::exists(rcFile()) ? readBytes(rcFile()) : readBytes(m_seed));
    }
    QStringList lines = text.split(u'\n');
    lines.removeIf([](const QString& line) { return line.contains(u"larkspan-action"_qs); });
    return lines.join(u'\n');
}

void TestMenuShortcut::takenBy_data() {
    QTest::addColumn<QString>("store");
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("expected");
    const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    QTest::newRow("GNOME: window manager")
        << u"gnome"_qs << keys(Qt::MetaModifier, Qt::Key_Space) << u"Switch input source"_qs;
    QTest::newRow("GNOME: another custom binding")
        << u"gnome"_qs << keys(ctrlAlt, Qt::Key_T) << u"Terminal"_qs;
    QTest::newRow("GNOME: free") << u"gnome"_qs << keys(ctrlAlt, Qt::Key_M) << QString();
    QTest::newRow("Cinnamon: window manager")
        << u"cinnamon"_qs << keys(Qt::AltModifier, Qt::Key_Space) << u"Activate window menu"_qs;
    QTest::newRow("Cinnamon: another custom binding")
        << u"cinnamon"_qs << keys(ctrlAlt, Qt::Key_T) << u"Terminal"_qs;
    QTest::newRow("Cinnamon: free") << u"cinnamon"_qs << keys(ctrlAlt, Qt::Key_M) << QString();
    QTest::newRow("Xfce: command")
        << u"xfce"_qs << keys(ctrlAlt, Qt::Key_T) << u"x-terminal-emulator"_qs;
    QTest::newRow("Xfce: window manager")
        << u"xfce"_qs << keys(Qt::AltModifier, Qt::Key_F4) << u"close_window_key"_qs;
    QTest::newRow("Xfce: free") << u"xfce"_qs << keys(ctrlAlt, Qt::Key_M) << QString();
    QTest::newRow("KDE: action") << u"kde"_qs << keys(Qt::AltModifier, Qt::Key_F4)
                                 << u"Close Window"_qs;
    QTest::newRow("KDE: application")
        << u"kde"_qs << keys(ctrlAlt, Qt::Key_T) << u"org.kde.konsole.desktop"_qs;
    QTest::newRow("KDE: free") << u"kde"_qs << keys(ctrlAlt, Qt::Key_M) << QString();
    QTest::newRow("openbox: command") << u"openbox"_qs << keys(Qt::MetaModifier, Qt::Key_E)
                                      << u"kfmclient openProfile filemanagement"_qs;
    QTest::newRow("openbox: action")
        << u"openbox"_qs << keys(Qt::AltModifier, Qt::Key_F4) << u"Close"_qs;
    QTest::newRow("openbox: free") << u"openbox"_qs << keys(ctrlAlt, Qt::Key_M) << QString();
}

void TestMenuShortcut::takenBy() {
    QFETCH(QString, store);
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, expected);
    QCOMPARE(this->store(store)->takenBy(keys), expected);
}

// Set, replace and clear, each read back with the desktop's own tool, everything else kept.
// openbox, reconfigured, runs the trigger on the key.
void TestMenuShortcut::setReplaceClear_data() {
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("GNOME") << u"gnome"_qs << u"<Primary><Alt>m"_qs << u"<Shift>F12"_qs;
    QTest::newRow("Cinnamon") << u"cinnamon"_qs << u"<Primary><Alt>m"_qs << u"<Shift>F12"_qs;
    QTest::newRow("Xfce") << u"xfce"_qs << u"<Primary><Alt>m"_qs << u"<Shift>F12"_qs;
    // Files only: kglobalaccel does not install without a desktop.
    QTest::newRow("KDE") << u"kde"_qs << u"Ctrl+Alt+M"_qs << u"Shift+F12"_qs;
    QTest::newRow("openbox") << u"openbox"_qs << u"C-A-m"_qs << u"S-F12"_qs;
}

void TestMenuShortcut::setReplaceClear() {
    QFETCH(QString, store);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto shortcuts = this->store(store);
    const QString command = menuShortcutCommand(m_programFolder);
    const QString before = others(store);
    QCOMPARE(shortcuts->current(), std::nullopt);
    QCOMPARE(ours(store), QString());

    const QList<std::tuple<QKeyCombination, QString, const char*>> steps{
        {keys(Qt::ControlModifier | Qt::AltModifier, Qt::Key_M), first, "ctrl+alt+m"},
        {keys(Qt::ShiftModifier, Qt::Key_F12), second, "shift+F12"}};
    int runs = 0;
    for (const auto& [k, text, xdotoolKeys] : steps) {
        shortcuts->set(k, command);
        QCOMPARE(shortcuts->current(), k);
        QCOMPARE(ours(store), text + u" -> "_qs + command);
        QCOMPARE(others(store), before);
        QCOMPARE(shortcuts->takenBy(k), QString());
        if (store == u"openbox") {
            // openbox reads the file again on --reconfigure, asynchronously.
            const QString runsFile = m_programFolder + u"/runs"_qs;
            QTRY_VERIFY_WITH_TIMEOUT(
                (QProcess::execute(u"xdotool"_qs, {u"key"_qs, QString::fromLatin1(xdotoolKeys)}),
                 QString::fromUtf8(readBytes(runsFile)).count(u"menu\n"_qs) > runs),
                10000);
            runs = QString::fromUtf8(readBytes(runsFile)).count(u"menu\n"_qs);
        }
    }
    shortcuts->clear();
    QCOMPARE(shortcuts->current(), std::nullopt);
    QCOMPARE(ours(store), QString());
    QCOMPARE(others(store), before);
    if (store == u"openbox")
        QCOMPARE(readBytes(rcFile()), readBytes(m_seed));
    if (store == u"kde") {
        QCOMPARE(readBytes(kdeConfig()), kKdeSeed);
        QVERIFY(!QFile::exists(kdeDesktopFile()));
    }
}

// A binding GNOME's list refuses is taken back out: nothing half-written stays in dconf.
void TestMenuShortcut::gnomeFailedWriteUndone() {
    const QString bin = m_dir.path() + u"/bin"_qs;
    QVERIFY(QDir().mkpath(bin));
    writeBytes(bin + u"/gsettings"_qs,
               "#!/bin/sh\ncase \"$1 $3\" in 'set custom-keybindings') echo 'No permission' >&2; "
               "exit 1;; esac\nexec /usr/bin/gsettings \"$@\"\n");
    QFile::setPermissions(bin + u"/gsettings"_qs, QFile::ReadOwner | QFile::ExeOwner);
    const QString before = tool(u"dconf"_qs, {u"dump"_qs, u"/"_qs});
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    try {
        gnomeShortcutStore()->set(keys(Qt::MetaModifier, Qt::Key_F5),
                                  menuShortcutCommand(m_programFolder));
        QFAIL("the refused write went unreported");
    } catch (const LarkspanError& e) {
        QVERIFY2(e.message().contains(u"No permission"_qs), qPrintable(e.message()));
    }
    QCOMPARE(tool(u"dconf"_qs, {u"dump"_qs, u"/"_qs}), before);
}

QTEST_GUILESS_MAIN(TestMenuShortcut)
#include "tst_menushortcut.moc"
