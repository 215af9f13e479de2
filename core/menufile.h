#pragma once

#include <QString>
#include <QStringList>

// The entries of the menu file of MenuIni: section "menu" key "items", sections "itemN".
int ReadItemCount();
void ReadMenuItem(int n);
bool IsSeparator(const QString& caption);
void AppendMenuFileItem();
void UpdateMenuFileItem(int n);
void DeleteMenuFileItem(int n);

// The captions of entries 1..N, and their targets when asked, from one read of the file, at
// most kMaxMenuCaptions of them:
// a hand-edited count of billions must not exhaust memory.
inline constexpr int kMaxMenuCaptions = 65536;
QStringList ReadMenuCaptions(QStringList* targets = nullptr);

// The bytes of a menu file holding `document`'s entries without entry n, renumbered.
class IniDocument;
QByteArray menuFileWithout(const IniDocument& document, int n);
