#pragma once

#include <QString>
#include <QStringList>

// The entries of the menu file of MenuIni: section "menu" key "items", sections "itemN".
int ReadItemCount();
void ReadMenuItem(int n);
bool IsSeparator(const QString& caption);
void AppendMenuFileItem();
// The entries after the last one, all in one update: all of them are written or none.
struct MenuEntry;
void AppendMenuFileItems(const QList<MenuEntry>& entries);
void UpdateMenuFileItem(int n);
void DeleteMenuFileItem(int n);
// Moves entry `from` to number `to`, the entries between shifting by one, in one locked
// rewrite like a delete; nothing happens unless both are entries of the file.
void MoveMenuFileItem(int from, int to);

// The captions of entries 1..N, and their targets when asked, from one read of the file, at
// most kMaxMenuCaptions of them:
// a hand-edited count of billions must not exhaust memory.
inline constexpr int kMaxMenuCaptions = 65536;
QStringList ReadMenuCaptions(QStringList* targets = nullptr);

// ReadMenuCaptions for a caller that asks again and again: each call reads the file, but
// parses it again only when its bytes differ from the last call's; until then it hands back
// the very same lists (shared copies), so a caller can tell an unchanged file at no cost.
class MenuCaptionReader {
public:
    QStringList read(QStringList* targets = nullptr);

private:
    struct Digest {
        qsizetype size = -1;
        size_t first = 0;
        size_t second = 0;
        bool operator==(const Digest&) const = default;
    };
    QString m_fileName;
    Digest m_digest;
    QStringList m_captions;
    QStringList m_targets;
};

// The bytes of a menu file holding `document`'s entries in `order` (their old numbers),
// renumbered from 1, under a menu section saying `count`. Other sections, comments and text
// outside the entries stay where they were; an entry's comments go with it.
class IniDocument;
QByteArray menuFileInOrder(const IniDocument& document, const QList<int>& order, int count);
