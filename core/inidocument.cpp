// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/inidocument.h"

#include <QSet>

namespace {

// U+FEFF too: files joined together carry byte order marks at the start of lines.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\uFEFF';
}

QStringView trimBlanks(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

QStringView unquote(QStringView v) {
    if (v.size() >= 2 && v.front() == u'"' && v.back() == u'"')
        return v.sliced(1, v.size() - 2);
    return v;
}

} // namespace

QString formatEntryLine(const QString& key, const QString& value) {
    const bool needsQuotes =
        !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()) ||
                             (value.size() >= 2 && value.front() == u'"' && value.back() == u'"'));
    if (needsQuotes)
        return key + QStringLiteral("=\"") + value + u'"';
    return key + u'=' + value;
}

size_t IniDocument::FoldHash::operator()(QStringView s) const noexcept {
    size_t h = 1469598103934665603ULL;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), s[++i].unicode());
        h = (h ^ QChar::toCaseFolded(c)) * 1099511628211ULL;
    }
    return h;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    DecodedText decoded = decodeText(bytes);
    doc.m_text = std::move(decoded.text);
    doc.m_encoding = decoded.encoding;
    doc.index();
    return doc;
}

namespace {

// Calls `onLine(line, start, end, next)` for each line of `text`: `end` is where its line break
// starts, `next` where the following line starts.
template <typename OnLine> void scanLines(QStringView text, OnLine onLine) {
    using Kind = IniDocument::Line::Kind;
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype next = end;
        if (end < n)
            next = end + (text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n' ? 2 : 1);
        IniDocument::Line line{Kind::Other, text.sliced(start, end - start), {}, {}};
        const QStringView trimmed = trimBlanks(line.text);
        const qsizetype close = trimmed.startsWith(u'[') ? trimmed.indexOf(u']') : -1;
        if (close > 0) {
            line.kind = Kind::Header;
            line.name = trimBlanks(trimmed.sliced(1, close - 1));
        } else if (trimmed.startsWith(u';')) {
            line.kind = Kind::Comment;
        } else if (const qsizetype eq = trimmed.indexOf(u'='); eq >= 0) {
            line.name = trimBlanks(trimmed.first(eq));
            if (!line.name.isEmpty()) {
                line.kind = Kind::Entry;
                line.value = unquote(trimBlanks(trimmed.sliced(eq + 1)));
            }
        }
        onLine(line, start, end, next);
        start = next;
    }
}

} // namespace

void IniDocument::index() {
    const QStringView text = m_text;
    m_entries.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_lineEnd.clear();
    Section* current = nullptr; // entries before the first header belong to no section
    Section orphan;
    scanLines(text, [&](const Line& line, qsizetype start, qsizetype end, qsizetype next) {
        if (m_lineEnd.isEmpty() && end < next)
            m_lineEnd = text.sliced(end, next - end).toString();
        if (line.kind == Line::Kind::Header) {
            m_sections.append(Section{m_entries.size(), 0, next});
            current = &m_sections.back();
            m_sectionIndex.try_emplace(line.name, m_sections.size() - 1);
        } else if (line.kind == Line::Kind::Entry) {
            m_entries.append(Entry{line.name, line.value, start, end, next});
            Section& owner = current ? *current : orphan;
            if (owner.entryCount == 0)
                owner.firstEntry = m_entries.size() - 1;
            ++owner.entryCount;
            owner.insertAt = next;
        }
    });
    if (m_lineEnd.isEmpty())
        m_lineEnd = QStringLiteral("\r\n");
}

QList<IniDocument::Line> IniDocument::lines() const {
    QList<Line> lines;
    scanLines(m_text,
              [&](const Line& line, qsizetype, qsizetype, qsizetype) { lines.append(line); });
    return lines;
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const {
    const auto it = m_sectionIndex.find(name);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const IniDocument::Entry* IniDocument::findEntry(const Section& section, QStringView key) const {
    for (qsizetype i = 0; i < section.entryCount; ++i) {
        const Entry& entry = m_entries[section.firstEntry + i];
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    const Entry* e = s ? findEntry(*s, key) : nullptr;
    if (!e)
        return std::nullopt;
    return e->value.toString();
}

QList<QStringView> IniDocument::sectionNames() const {
    QList<QStringView> names;
    names.reserve(qsizetype(m_sectionIndex.size()));
    for (const auto& [name, index] : m_sectionIndex)
        names.append(name);
    return names;
}

QList<std::pair<QString, QString>> IniDocument::sectionEntries(QStringView section) const {
    QList<std::pair<QString, QString>> lines;
    const Section* s = findSection(section);
    if (!s)
        return lines;
    QSet<QString> seen;
    for (qsizetype i = 0; i < s->entryCount; ++i) {
        const Entry& entry = m_entries[s->firstEntry + i];
        if (s->entryCount > 1) {
            const QString folded = entry.key.toString().toCaseFolded();
            if (seen.contains(folded))
                continue;
            seen.insert(folded);
        }
        lines.append({entry.key.toString(), entry.value.toString()});
    }
    return lines;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    QString text = m_text;
    const Section* s = findSection(section);
    if (const Entry* e = s ? findEntry(*s, key) : nullptr) {
        text.replace(e->lineStart, e->lineEnd - e->lineStart,
                     formatEntryLine(e->key.toString(), value));
    } else {
        const qsizetype at = s ? s->insertAt : text.size();
        QString added;
        // A last line without a line break gets one before anything follows it.
        if (at > 0 && text[at - 1] != u'\n' && text[at - 1] != u'\r')
            added += m_lineEnd;
        if (!s)
            added += u'[' + section + u']' + m_lineEnd;
        added += formatEntryLine(key, value) + m_lineEnd;
        text.insert(at, added);
    }
    m_text = std::move(text);
    index();
}

QByteArray IniDocument::serialize() const {
    if (auto bytes = encodeText(m_text, m_encoding))
        return *bytes;
    return m_text.toUtf8();
}
