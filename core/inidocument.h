#pragma once

#include "core/textcodec.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One profile file parsed in memory, for a single call or a single batch of lookups.
//
// How text is read:
// - "[name]" opens a section; blanks around the brackets and the name are ignored.
// - "key=value" is an entry; the key ends at the first "=", blanks around key and value
//   are ignored, and a value wrapped in double quotes loses that one pair of quotes.
// - Lines starting with ";" are comments; other lines without "=" are ignored. Both are
//   kept as they stand when a single key is written.
// - Section and key names match without regard to case. Of repeated sections or keys
//   the first one is read and written; later repeats are kept but never seen.
// - CR LF, LF and CR all end a line; a write keeps the style the file already has.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Key and value of each key of the section, first occurrences in file order.
    QList<std::pair<QString, QString>> sectionEntries(const QString& section) const;

    // Sets the first matching key in place, or adds it after the section's last entry,
    // or adds the section at the end of the file.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The whole file in its encoding; converted to UTF-8 when a character does not fit.
    QByteArray serialize() const;

private:
    enum class LineKind { Other, Section, Entry };
    struct Line {
        LineKind kind = LineKind::Other;
        QString text;
        QString key; // as spelt in the file, for entries
        QString value;
    };
    struct Section {
        qsizetype headerLine = -1; // -1 for the lines before the first section header
        qsizetype lastLine = -1;   // last entry line, or the header
        QHash<QString, qsizetype> keys; // case-folded key -> line index
    };

    void indexLine(qsizetype lineIndex);
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QList<Line> m_lines;
    QList<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // case-folded name -> first section
    TextEncoding m_encoding = TextEncoding::Utf8;
    QString m_lineEnd = QStringLiteral("\r\n");
    bool m_endsWithLineEnd = true;
};

// The text of an entry line; a value that would not read back unchanged is quoted.
QString formatEntryLine(const QString& key, const QString& value);
