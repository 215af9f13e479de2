// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/textcodec.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <unordered_map>

// One profile file parsed in memory, for a single call or a single batch of lookups.
//
// How text is read:
// - "[name]" opens a section; blanks around the brackets and the name are ignored.
// - "key=value" is an entry; the key ends at the first "=", blanks (space, tab, U+FEFF)
//   around key and value are ignored, and a value wrapped in double quotes loses that one pair of
//   quotes.
// - Lines starting with ";" are comments; other lines without "=" are ignored. Both are
//   kept as they stand when a single key is written.
// - Section and key names match without regard to case. Of repeated sections or keys
//   the first one is read and written; later repeats are kept but never seen.
// - CR LF, LF and CR all end a line; added lines take the style the file already has.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);

    std::optional<QString> value(QStringView section, QStringView key) const;
    // The name of every section, each once, in no particular order.
    QList<QStringView> sectionNames() const;
    // Key and value of each key of the section, first occurrences in file order.
    QList<std::pair<QString, QString>> sectionEntries(QStringView section) const;

    // One line of the file as the reading rules see it; the views point into the document.
    struct Line {
        enum class Kind { Header, Entry, Comment, Other };
        Kind kind = Kind::Other;
        QStringView text;  // without the line break
        QStringView name;  // Header: the section name; Entry: the key
        QStringView value; // Entry: trimmed and unquoted
    };
    // Every line in file order, for rewriting a file around the sections it keeps.
    QList<Line> lines() const;

    // Sets the first matching key in place, or adds it after the section's last entry,
    // or adds the section at the end of the file. Every other character stays.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The whole file in its encoding; converted to UTF-8 when a character does not fit.
    QByteArray serialize() const;

private:
    struct Entry {
        QStringView key;
        QStringView value; // trimmed and unquoted
        qsizetype lineStart;
        qsizetype lineEnd; // before the line break
        qsizetype nextLine;
    };
    struct Section {
        qsizetype firstEntry = 0; // into m_entries
        qsizetype entryCount = 0;
        qsizetype insertAt = 0; // where a new key goes: after the last entry or the header
    };
    struct FoldHash {
        size_t operator()(QStringView s) const noexcept;
    };
    struct FoldEqual {
        bool operator()(QStringView a, QStringView b) const noexcept {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };

    void index();
    const Section* findSection(QStringView name) const;
    const Entry* findEntry(const Section& section, QStringView key) const;

    QString m_text; // never changed after indexing: the views below point into it
    TextEncoding m_encoding = TextEncoding::Utf8;
    QString m_lineEnd;
    QList<Entry> m_entries;
    QList<Section> m_sections;
    std::unordered_map<QStringView, qsizetype, FoldHash, FoldEqual> m_sectionIndex;
};

// The text of an entry line; a value that would not read back unchanged is quoted.
QString formatEntryLine(const QString& key, const QString& value);
