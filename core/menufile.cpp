// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menufile.h"

#include "core/error.h"
#include "core/inidocument.h"
#include "core/safefile.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <numeric>
#include <system_error>
#include <utility>

namespace {

const QString kMenu = QStringLiteral("menu");
const QString kItems = QStringLiteral("items");
const QString kCaption = QStringLiteral("caption");
const QString kExec = QStringLiteral("exec");

QString itemSection(int n) {
    return QStringLiteral("item") + QString::number(n);
}

int itemCount(const ProfileSnapshot& menu) {
    return menu.ReadInteger(kMenu, kItems, 0);
}

// The highest N with a section "itemN" in the file; 0 when there is none.
int lastItemSection(const IniDocument& document) {
    int last = 0;
    for (const QStringView name : document.sectionNames()) {
        if (name.size() < 5 || name.first(4).compare(u"item", Qt::CaseInsensitive) != 0 ||
            name[4] == u'0')
            continue;
        bool ok = false;
        const int n = name.sliced(4).toInt(&ok);
        if (ok && name.sliced(4).size() == QString::number(n).size())
            last = qMax(last, n);
    }
    return last;
}

} // namespace

int MenuFile::count() const {
    return m_file.ReadInteger(kMenu, kItems, 0);
}

MenuEntry MenuFile::entry(int n) const {
    const ProfileSnapshot menu = m_file.Snapshot();
    return {menu.ReadString(itemSection(n), kCaption, QString()),
            menu.ReadString(itemSection(n), kExec, QString())};
}

bool IsSeparator(const QString& caption) {
    return caption == u"-";
}

QString withoutAccessMarks(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == u'&')
            continue;
        plain += caption[i];
    }
    return plain;
}

QString literalCaption(const QString& text) {
    if (IsSeparator(text))
        return text + u' ';
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

namespace {

QStringList captionsIn(const ProfileSnapshot& menu, QStringList* targets) {
    const int count = qMin(itemCount(menu), kMaxMenuCaptions);
    QStringList captions;
    captions.reserve(qMax(count, 0));
    if (targets) {
        targets->clear();
        targets->reserve(qMax(count, 0));
    }
    for (int i = 1; i <= count; ++i) {
        const QString section = itemSection(i);
        captions.append(menu.ReadString(section, kCaption, QString()));
        if (targets)
            targets->append(menu.ReadString(section, kExec, QString()));
    }
    return captions;
}

QList<MenuEntry> entriesIn(const ProfileSnapshot& menu) {
    QStringList targets;
    const QStringList captions = captionsIn(menu, &targets);
    QList<MenuEntry> entries;
    entries.reserve(captions.size());
    for (qsizetype i = 0; i < captions.size(); ++i)
        entries.append({captions[i], targets[i]});
    return entries;
}

} // namespace

QStringList MenuFile::captions(QStringList* targets) const {
    return captionsIn(m_file.Snapshot(), targets);
}

QList<MenuEntry> MenuFile::entries() const {
    return entriesIn(m_file.Snapshot());
}

int numberOfEntry(const QList<MenuEntry>& entries, const MenuEntry& entry, int near) {
    int found = 0;
    for (int n = 1; n <= entries.size(); ++n)
        if (entries[n - 1] == entry && (found == 0 || qAbs(n - near) < qAbs(found - near)))
            found = n;
    return found;
}

QStringList MenuCaptionReader::read(const MenuFile& menu, QStringList* targets) {
    const QString fileName = menu.fileName();
    const QByteArray bytes =
        SafeFile::read(fileName, nullptr, ProfileFile::kMaxFileSize).value_or(QByteArray());
    const ContentDigest digest = ContentDigest::of(bytes);
    if (fileName != m_fileName || digest != m_digest) {
        m_captions = captionsIn(ProfileSnapshot(IniDocument::parse(bytes)), &m_targets);
        m_fileName = fileName;
        m_digest = digest;
    }
    if (targets)
        *targets = m_targets;
    return m_captions;
}

// One update each: another copy adding at the same moment cannot take the same number,
// and a failure leaves no count without its entry.
SafeFile::Change MenuFile::append(const QList<MenuEntry>& entries) {
    return m_file.Update([&](ProfileEditor& menu) {
        for (const MenuEntry& entry : entries) {
            const int n = menu.ReadInteger(kMenu, kItems, 0) + 1;
            menu.WriteInteger(kMenu, kItems, n);
            menu.WriteString(itemSection(n), kCaption, entry.caption);
            menu.WriteString(itemSection(n), kExec, entry.target);
        }
    });
}

SafeFile::Change MenuFile::update(int n, const MenuEntry& entry) {
    const QString section = QStringLiteral("Item") + QString::number(n);
    return m_file.Update([&](ProfileEditor& menu) {
        menu.WriteString(section, kCaption, entry.caption);
        menu.WriteString(section, kExec, entry.target);
    });
}

namespace {

// The number of the entry whose section this is, 0 for the menu section, -1 for any other:
// "itemK" with K in 1..last written without leading zeros.
int ownerOf(QStringView section, int last) {
    if (section.compare(kMenu, Qt::CaseInsensitive) == 0)
        return 0;
    if (section.size() < 5 || section.first(4).compare(u"item", Qt::CaseInsensitive) != 0 ||
        section[4] == u'0')
        return -1;
    bool ok = false;
    const int n = section.sliced(4).toInt(&ok);
    const bool canonical = ok && section.sliced(4).size() == QString::number(n).size();
    return canonical && n >= 1 && n <= last ? n : -1;
}

// The entries a rewrite covers: 1..N, or in a file that claims more than anyone reads, only
// as far as its sections go, so that a hand-edited count of billions cannot fill the disk.
int rewrittenEntries(const IniDocument& document, int count) {
    return count <= kMaxMenuCaptions
               ? count
               : qMax(kMaxMenuCaptions, qMin(count, lastItemSection(document)));
}

// Thrown by a rewrite's change to leave the file as it is.
struct Unchanged {};

// Replaces the whole menu file with what `change` makes of its bytes, in one locked
// replacement that first keeps them in the backup. Nothing is written when it throws
// Unchanged.
SafeFile::Change rewrite(const QString& fileName,
                         const std::function<QByteArray(const QByteArray& old)>& change) {
    try {
        return SafeFile::update(
            fileName,
            [&](const std::optional<QByteArray>& old) {
                return change(old.value_or(QByteArray()));
            },
            ProfileFile::kMaxFileSize, SafeFile::Backup::Keep);
    } catch (const Unchanged&) {
        return {};
    } catch (const SafeFile::BackupError& e) {
        // Without the backup the rewrite is refused: a mistaken delete must stay recoverable.
        throw LarkspanError(
            QCoreApplication::translate(
                "MenuFile", "Cannot write the backup \"%1\", so the menu file was not changed. %2")
                .arg(SafeFile::shownPath(e.backupPath()),
                     QString::fromLocal8Bit(e.code().message())));
    } catch (const std::system_error& e) {
        throw LarkspanError(
            QCoreApplication::translate("MenuFile", "Cannot create file \"%1\". %2")
                .arg(SafeFile::shownPath(fileName), QString::fromLocal8Bit(e.code().message())));
    }
}

// Rewrites the menu file, its entries in the order `orderOf` gives for the file as it is at
// that moment (its count and the entries a rewrite covers), the count lowered by `removed`.
// Nothing is written when it gives none.
SafeFile::Change
rewriteEntries(const QString& fileName,
               const std::function<std::optional<QList<int>>(const IniDocument& document, int count,
                                                             int last)>& orderOf,
               int removed) {
    return rewrite(fileName, [&](const QByteArray& old) {
        const IniDocument document = IniDocument::parse(old);
        const int count = itemCount(ProfileSnapshot(document));
        const auto order = orderOf(document, count, rewrittenEntries(document, count));
        if (!order)
            throw Unchanged();
        return menuFileInOrder(document, *order, count - removed);
    });
}

QList<int> entryNumbers(int last) {
    QList<int> numbers(qMax(last, 0));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

} // namespace

QByteArray menuFileInOrder(const IniDocument& document, const QList<int>& order, int count) {
    using Kind = IniDocument::Line::Kind;
    const int last = rewrittenEntries(document, itemCount(ProfileSnapshot(document)));
    const QString crlf = QStringLiteral("\r\n");
    constexpr int kStays = -1;
    constexpr int kRepeat = -2;

    // The file cut at its headers. A comment block directly above a header belongs to that
    // section: it is where a user writes about an entry. Only the first section of a name is
    // ever read, so a repeat goes with it.
    struct Piece {
        int owner = kStays;
        QString text;
    };
    QList<Piece> pieces(1);
    QList<QString> leads(last + 1);
    QList<QString> bodies(last + 1);
    QList<bool> taken(last + 1, false);
    QSet<QString> keys;
    QString comments; // the comment lines since the last other line
    const auto addLine = [&](QString& to, QStringView text) {
        to += text;
        to += crlf;
    };
    const auto endOfPiece = [&] {
        Piece& piece = pieces.back();
        if (piece.owner == kStays)
            piece.text += comments;
        else if (piece.owner >= 0)
            bodies[piece.owner] += comments;
        comments.clear();
    };
    for (const IniDocument::Line& line : document.lines()) {
        if (line.kind == Kind::Comment) {
            addLine(comments, line.text);
            continue;
        }
        if (line.kind == Kind::Header) {
            int owner = ownerOf(line.name, last);
            if (owner >= 0 && std::exchange(taken[owner], true))
                owner = kRepeat;
            const QString lead = std::exchange(comments, QString());
            endOfPiece();
            pieces.append({owner, owner == kStays ? lead : QString()});
            if (owner >= 0) {
                leads[owner] = lead;
                keys.clear();
                continue;
            }
        } else {
            endOfPiece();
        }
        Piece& piece = pieces.back();
        if (piece.owner == kStays) {
            addLine(piece.text, line.text);
            continue;
        }
        if (piece.owner == kRepeat || line.text.trimmed().isEmpty())
            continue; // the layout of the entries is written anew
        if (line.kind != Kind::Entry) {
            addLine(bodies[piece.owner], line.text);
            continue;
        }
        // The menu's keys are written anew; of repeated keys only the first is ever read.
        // Whole values, not the 2047 characters a read returns: a rewrite must not shorten
        // the entries it keeps.
        const QString key = line.name.toString();
        if (piece.owner > 0 && !keys.contains(key.toCaseFolded())) {
            keys.insert(key.toCaseFolded());
            bodies[piece.owner] += formatEntryLine(key, line.value.toString()) + crlf;
        }
    }
    endOfPiece();

    // The entries fill the places their sections held, in their new order; a removed entry's
    // place goes with it, and other text keeps its place among them. Entries without a
    // section follow the last place, the menu section leads when it has none.
    int k = 1;
    const auto entryText = [&](int i) {
        return leads[i] + QStringLiteral("[item") + QString::number(k++) + u']' + crlf + bodies[i] +
               crlf;
    };
    const QString menuText = leads[0] + QStringLiteral("[menu]") + crlf + QStringLiteral("items=") +
                             QString::number(count) + crlf + bodies[0] + crlf;
    const QSet<int> kept(order.begin(), order.end());
    qsizetype next = 0;
    QString text;
    qsizetype firstPlace = -1;
    qsizetype lastPlace = 0;
    for (const Piece& piece : pieces) {
        if (piece.owner == kStays) {
            text += piece.text;
            continue;
        }
        if (piece.owner == kRepeat || (piece.owner > 0 && !kept.contains(piece.owner)))
            continue;
        if (firstPlace < 0)
            firstPlace = text.size();
        if (piece.owner == 0)
            text += menuText;
        else if (next < order.size())
            text += entryText(order[next++]);
        lastPlace = text.size();
    }
    QString unplaced;
    while (next < order.size())
        unplaced += entryText(order[next++]);
    text.insert(lastPlace, unplaced);
    if (!taken[0])
        text.insert(qMax(firstPlace, qsizetype(0)), menuText);
    return *encodeText(text, TextEncoding::Utf8Bom);
}

SafeFile::Change MenuFile::remove(int n) {
    // Another program may have shortened the file since its entries were listed; taking one
    // off the count then would hide an entry that is still there.
    return rewriteEntries(
        fileName(),
        [n](const IniDocument&, int count, int last) -> std::optional<QList<int>> {
            if (n < 1 || n > count)
                return std::nullopt;
            QList<int> order = entryNumbers(last);
            order.removeOne(n);
            return order;
        },
        1);
}

MenuFile::Removal MenuFile::remove(const MenuEntry& entry, int near) {
    Removal removal;
    removal.change = rewriteEntries(
        fileName(),
        [&](const IniDocument& document, int, int last) -> std::optional<QList<int>> {
            removal.before = entriesIn(ProfileSnapshot(document));
            removal.number = numberOfEntry(removal.before, entry, near);
            if (removal.number == 0)
                return std::nullopt;
            QList<int> order = entryNumbers(last);
            order.removeOne(removal.number);
            return order;
        },
        1);
    return removal;
}

SafeFile::Change MenuFile::move(int from, int to) {
    return rewriteEntries(
        fileName(),
        [from, to](const IniDocument&, int, int last) -> std::optional<QList<int>> {
            // Entries past the ones a rewrite covers are never listed, so never moved.
            if (from < 1 || from > last || to < 1 || to > last || from == to)
                return std::nullopt;
            QList<int> order = entryNumbers(last);
            order.move(from - 1, to - 1);
            return order;
        },
        0);
}

bool MenuFile::replaceIfHolding(const QByteArray& expected, const QByteArray& bytes) {
    bool holds = false;
    rewrite(fileName(), [&](const QByteArray& old) {
        if (old != expected)
            throw Unchanged();
        holds = true;
        return bytes;
    });
    return holds;
}
