// SPDX-License-Identifier: GPL-3.0-or-later
// openbox's keybinds in its rc.xml.
#include "core/error.h"
#include "core/safefile.h"
#include "platform/shortcutstore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <system_error>

namespace {

// A <keybind> element directly inside <keyboard>, by its bytes in the file.
struct Keybind {
    qsizetype start = 0;
    qsizetype end = 0;
    QString key;
    QByteArray body;
};

QString xmlText(const QByteArray& bytes) {
    return QString::fromUtf8(bytes)
        .replace(u"&lt;"_qs, u"<"_qs)
        .replace(u"&gt;"_qs, u">"_qs)
        .replace(u"&quot;"_qs, u"\""_qs)
        .replace(u"&apos;"_qs, u"'"_qs)
        .replace(u"&amp;"_qs, u"&"_qs);
}

QByteArray xmlEscaped(const QString& text) {
    return text.toHtmlEscaped().replace(u'\'', u"&apos;"_qs).toUtf8();
}

// Comments are skipped: the shipped rc.xml holds commented-out bindings.
QList<Keybind> keybindsIn(const QByteArray& text, qsizetype from, qsizetype to) {
    static const QRegularExpression keyAttribute(u"\\bkey\\s*=\\s*[\"']([^\"']*)[\"']"_qs);
    QList<Keybind> keybinds;
    Keybind open;
    int depth = 0;
    for (qsizetype at = text.indexOf('<', from); at >= 0 && at < to;
         at = text.indexOf('<', at + 1)) {
        const QByteArrayView rest = QByteArrayView(text).sliced(at);
        if (rest.startsWith("<!--")) {
            at = text.indexOf("-->", at);
            if (at < 0)
                break;
        } else if (rest.startsWith("</keybind>")) {
            if (--depth == 0) {
                open.end = at + 10;
                open.body = text.mid(open.start, open.end - open.start);
                keybinds << open;
            }
        } else if (rest.startsWith("<keybind") && rest.size() > 8 &&
                   (rest[8] == '>' || QChar(rest[8]).isSpace())) {
            const qsizetype close = text.indexOf('>', at);
            if (close < 0)
                break;
            const bool empty = text[close - 1] == '/';
            if (depth == 0) {
                open = Keybind{at, close + 1,
                               keyAttribute.match(xmlText(text.mid(at, close - at))).captured(1),
                               text.mid(at, close + 1 - at)};
                if (empty)
                    keybinds << open;
            }
            if (!empty)
                ++depth;
            at = close;
        }
    }
    return keybinds;
}

// The text of the first <command> or <execute> inside a keybind.
QString commandOf(const QByteArray& body) {
    static const QRegularExpression command(u"<(command|execute)>([^<]*)</\\1>"_qs);
    return xmlText(command.match(QString::fromUtf8(body)).captured(2).toUtf8());
}

bool isBlank(QByteArrayView bytes) {
    return bytes.trimmed().isEmpty();
}

class OpenboxStore : public MenuShortcutStore {
public:
    OpenboxStore(QString rcFile, QString seedFile)
        : m_rcFile(std::move(rcFile)), m_seedFile(std::move(seedFile)) {}

    QString desktopName() const override { return u"openbox"_qs; }

    std::optional<QKeyCombination> current() override {
        const QByteArray text = content();
        for (const Keybind& k : keybinds(text))
            if (isMenuShortcutCommand(commandOf(k.body)))
                return keysOfOpenboxKey(k.key);
        return std::nullopt;
    }

    QString takenBy(QKeyCombination keys) override {
        const QByteArray text = content();
        static const QRegularExpression action(u"<action\\s+name\\s*=\\s*[\"']([^\"']*)"_qs);
        for (const Keybind& k : keybinds(text)) {
            const QString command = commandOf(k.body);
            if (keysOfOpenboxKey(k.key) == keys && !isMenuShortcutCommand(command))
                return command.isEmpty() ? action.match(QString::fromUtf8(k.body)).captured(1)
                                         : command;
        }
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const QString key = bindable(openboxKey(keys));
        const QByteArray keybind = "<keybind key=\"" + xmlEscaped(key) +
                                   "\"><action name=\"Execute\"><command>" + xmlEscaped(command) +
                                   "</command></action></keybind>";
        write([&](QByteArray text) {
            if (const auto ours = ourKeybind(text))
                return text.replace(ours->start, ours->end - ours->start, keybind);
            const qsizetype end = text.indexOf("</keyboard>");
            if (end < 0) {
                const qsizetype last = text.lastIndexOf("</openbox_config>");
                if (last < 0)
                    throw LarkspanError(
                        MenuShortcutStore::tr("%1 is not a configuration of openbox.")
                            .arg(SafeFile::shownPath(m_rcFile)));
                return text.insert(last, "<keyboard>\n  " + keybind + "\n</keyboard>\n");
            }
            // On a line of its own, indented one step deeper than the closing tag.
            const qsizetype lineStart = text.lastIndexOf('\n', end) + 1;
            const QByteArray indent = text.mid(lineStart, end - lineStart);
            if (isBlank(indent))
                return text.insert(lineStart, indent + "  " + keybind + "\n");
            return text.insert(end, keybind);
        });
    }

    void clear() override {
        write([&](QByteArray text) {
            const auto ours = ourKeybind(text);
            if (!ours)
                return text;
            qsizetype start = ours->start;
            qsizetype end = ours->end;
            // Its whole line goes when it stands alone on it, as set() put it.
            const qsizetype lineStart = text.lastIndexOf('\n', start - 1) + 1;
            qsizetype lineEnd = text.indexOf('\n', end);
            if (lineEnd < 0)
                lineEnd = text.size();
            if (isBlank(QByteArrayView(text).sliced(lineStart, start - lineStart)) &&
                isBlank(QByteArrayView(text).sliced(end, lineEnd - end))) {
                start = lineStart;
                end = qMin(lineEnd + 1, text.size());
            }
            return text.remove(start, end - start);
        });
    }

private:
    QByteArray content() const {
        if (const auto text = SafeFile::read(m_rcFile))
            return *text;
        return SafeFile::read(m_seedFile).value_or(QByteArray());
    }
    static QList<Keybind> keybinds(const QByteArray& text) {
        const qsizetype start = text.indexOf("<keyboard");
        const qsizetype end = text.indexOf("</keyboard>");
        return start < 0 || end < 0 ? QList<Keybind>() : keybindsIn(text, start + 9, end);
    }
    static std::optional<Keybind> ourKeybind(const QByteArray& text) {
        for (const Keybind& k : keybinds(text))
            if (isMenuShortcutCommand(commandOf(k.body)))
                return k;
        return std::nullopt;
    }
    void write(const std::function<QByteArray(QByteArray)>& change) {
        try {
            QDir().mkpath(QFileInfo(m_rcFile).absolutePath());
            SafeFile::update(m_rcFile, [&](const std::optional<QByteArray>& old) {
                if (old)
                    return change(*old);
                const auto seed = SafeFile::read(m_seedFile);
                if (!seed)
                    throw LarkspanError(
                        MenuShortcutStore::tr("Neither %1 nor %2 can be read.")
                            .arg(SafeFile::shownPath(m_rcFile), SafeFile::shownPath(m_seedFile)));
                return change(*seed);
            });
        } catch (const std::system_error& e) {
            throw LarkspanError(MenuShortcutStore::tr("Cannot write \"%1\". %2")
                                    .arg(SafeFile::shownPath(m_rcFile),
                                         QString::fromLocal8Bit(e.code().message())));
        }
        // The file is in place either way; a window manager that cannot be reached reads it
        // when it next starts.
        try {
            runDesktopTool(u"openbox"_qs, {u"--reconfigure"_qs});
        } catch (const LarkspanError&) {
        }
    }

    QString m_rcFile;
    QString m_seedFile;
};

} // namespace

std::unique_ptr<MenuShortcutStore> openboxShortcutStore(const QString& rcFile,
                                                        const QString& seedFile) {
    return std::make_unique<OpenboxStore>(rcFile, seedFile);
}
