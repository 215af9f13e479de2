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

void IniDocument::index() {
    const QStringView text = m_text;
    const qsizetype n = text.size();
    m_entries.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_lineEnd.clear();
    Section* current = nullptr; // entries before the first header belong to no section
    Section orphan;
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype next = end;
        if (end < n) {
            const bool crlf = text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n';
            next = end + (crlf ? 2 : 1);
            if (m_lineEnd.isEmpty())
                m_lineEnd = crlf ? QStringLiteral("\r\n") : QString(text[end]);
        }
        const QStringView line = trimBlanks(text.sliced(start, end - start));
        const qsizetype close = line.startsWith(u'[') ? line.indexOf(u']') : -1;
        if (close > 0) {
            m_sections.append(Section{m_entries.size(), 0, next});
            current = &m_sections.back();
            m_sectionIndex.try_emplace(trimBlanks(line.sliced(1, close - 1)),
                                       m_sections.size() - 1);
        } else if (!line.startsWith(u';')) {
            const qsizetype eq = line.indexOf(u'=');
            const QStringView key = eq < 0 ? QStringView() : trimBlanks(line.first(eq));
            if (!key.isEmpty()) {
                m_entries.append(
                    Entry{key, unquote(trimBlanks(line.sliced(eq + 1))), start, end, next});
                Section& owner = current ? *current : orphan;
                if (owner.entryCount == 0)
                    owner.firstEntry = m_entries.size() - 1;
                ++owner.entryCount;
                owner.insertAt = next;
            }
        }
        start = next;
    }
    if (m_lineEnd.isEmpty())
        m_lineEnd = QStringLiteral("\r\n");
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
