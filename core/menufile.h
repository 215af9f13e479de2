// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/contentdigest.h"
#include "core/profilefile.h"

#include <QString>
#include <QStringList>

// One entry of the menu: its caption, with its access mark, and the target it opens.
struct MenuEntry {
    QString caption;
    QString target;
    bool operator==(const MenuEntry&) const = default;
};

inline size_t qHash(const MenuEntry& entry, size_t seed = 0) {
    return qHashMulti(seed, entry.caption, entry.target);
}

bool IsSeparator(const QString& caption);

// The caption as drawn, without its "&" marks ("&&" becomes "&").
QString withoutAccessMarks(const QString& caption);

// The caption the menu draws as `text`, with no access mark: each "&" doubled, and a lone "-"
// followed by a blank, which no one sees, so that it is no separator.
QString literalCaption(const QString& text);

// The number of the entry of `entries` (numbered from 1) that reads `entry`, of several the
// one nearest number `near`; 0 when none does.
int numberOfEntry(const QList<MenuEntry>& entries, const MenuEntry& entry, int near);

// The captions read at most: a hand-edited count of billions must not exhaust memory.
inline constexpr int kMaxMenuCaptions = 65536;

// A menu file: section "menu" key "items", sections "itemN" with "caption" and "exec".
// Every call reads or writes the file at that moment.
class MenuFile {
public:
    explicit MenuFile(QString fileName) : m_file(std::move(fileName)) {}

    QString fileName() const { return m_file.FileName(); }
    int count() const;
    // Entry n; empty texts for an entry the file does not hold.
    MenuEntry entry(int n) const;
    // The captions of entries 1..N, and their targets when asked, from one read of the file.
    QStringList captions(QStringList* targets = nullptr) const;
    QList<MenuEntry> entries() const;

    // Each change tells the file's bytes before and after it; the same bytes when it changed
    // nothing. Deletes, moves and replacements rewrite the whole file and first keep the
    // bytes it held in "<name>.bak"; when that backup cannot be written they write nothing
    // and throw.

    // The entries after the last one, all in one update: all of them are written or none.
    SafeFile::Change append(const QList<MenuEntry>& entries);
    SafeFile::Change update(int n, const MenuEntry& entry);
    SafeFile::Change remove(int n);
    // Removes the entry that reads `entry`, of several the one nearest number `near`, in one
    // locked rewrite: another program may have changed the file since it was read. Tells what
    // the file held just before and the number removed, 0 for none.
    struct Removal {
        QList<MenuEntry> before;
        int number = 0;
        SafeFile::Change change;
    };
    Removal remove(const MenuEntry& entry, int near);
    // Moves entry `from` to number `to`, the entries between shifting by one, in one locked
    // rewrite like a delete; nothing happens unless both are entries of the file.
    SafeFile::Change move(int from, int to);
    // Writes `bytes` as the whole file in one locked rewrite, only while it holds `expected`
    // (a missing file holds none), so that no other program's change is overwritten. Tells
    // whether it did.
    bool replaceIfHolding(const QByteArray& expected, const QByteArray& bytes);

private:
    ProfileFile m_file;
};

// MenuFile::captions for a caller that asks again and again: each call reads the file, but
// parses it again only when its bytes differ from the last call's; until then it hands back
// the very same lists (shared copies), so a caller can tell an unchanged file at no cost.
class MenuCaptionReader {
public:
    QStringList read(const MenuFile& menu, QStringList* targets = nullptr);

private:
    QString m_fileName;
    ContentDigest m_digest;
    QStringList m_captions;
    QStringList m_targets;
};

// The bytes of a menu file holding `document`'s entries in `order` (their old numbers),
// renumbered from 1, under a menu section saying `count`. Other sections, comments and text
// outside the entries keep their place among them; an entry's comments, inside its section and
// directly above its header, go with it.
class IniDocument;
QByteArray menuFileInOrder(const IniDocument& document, const QList<int>& order, int count);
