#include "core/inidocument.h"

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

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

QString fold(const QString& s) { return s.toCaseFolded(); }

} // namespace

QString formatEntryLine(const QString& key, const QString& value) {
    const bool needsQuotes =
        !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()) ||
                             (value.size() >= 2 && value.front() == u'"' && value.back() == u'"'));
    if (needsQuotes)
        return key + QStringLiteral("=\"") + value + u'"';
    return key + u'=' + value;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    const DecodedText decoded = decodeText(bytes);
    doc.m_encoding = decoded.encoding;
    const QString& text = decoded.text;

    doc.m_sections.append(Section{});
    bool styleKnown = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype next = end;
        if (end < n) {
            const bool crlf = text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n';
            next = end + (crlf ? 2 : 1);
            if (!styleKnown) {
                doc.m_lineEnd = crlf ? QStringLiteral("\r\n") : QString(text[end]);
                styleKnown = true;
            }
        }
        doc.m_lines.append(Line{LineKind::Other, text.sliced(start, end - start), {}, {}});
        doc.indexLine(doc.m_lines.size() - 1);
        start = next;
    }
    doc.m_endsWithLineEnd = n == 0 || text.back() == u'\r' || text.back() == u'\n';
    return doc;
}

void IniDocument::indexLine(qsizetype lineIndex) {
    Line& line = m_lines[lineIndex];
    const QStringView t = trimBlanks(line.text);
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0) {
            line.kind = LineKind::Section;
            const QString name = trimBlanks(t.sliced(1, close - 1)).toString();
            m_sections.append(Section{lineIndex, lineIndex, {}});
            const QString key = fold(name);
            if (!m_sectionIndex.contains(key))
                m_sectionIndex.insert(key, m_sections.size() - 1);
            return;
        }
    }
    if (t.startsWith(u';'))
        return;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return;
    const QString key = trimBlanks(t.first(eq)).toString();
    if (key.isEmpty())
        return;
    line.kind = LineKind::Entry;
    line.key = key;
    line.value = unquote(trimBlanks(t.sliced(eq + 1))).toString();
    Section& section = m_sections.back();
    section.lastLine = lineIndex;
    const QString folded = fold(key);
    if (!section.keys.contains(folded))
        section.keys.insert(folded, lineIndex);
}

IniDocument::Section* IniDocument::findSection(const QString& name) {
    const auto it = m_sectionIndex.constFind(fold(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[it.value()];
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const {
    const auto it = m_sectionIndex.constFind(fold(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[it.value()];
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->keys.constFind(fold(key));
    if (it == s->keys.cend())
        return std::nullopt;
    return m_lines[it.value()].value;
}

QList<std::pair<QString, QString>> IniDocument::sectionEntries(const QString& section) const {
    QList<std::pair<QString, QString>> lines;
    const Section* s = findSection(section);
    if (!s)
        return lines;
    for (qsizetype i = s->headerLine + 1; i <= s->lastLine; ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Entry && s->keys.value(fold(line.key)) == i)
            lines.append({line.key, line.value});
    }
    return lines;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    if (Section* s = findSection(section)) {
        const auto it = s->keys.constFind(fold(key));
        if (it != s->keys.cend()) {
            Line& line = m_lines[it.value()];
            line.text = formatEntryLine(line.key, value);
            line.value = value;
            return;
        }
    }
    // Adding lines: simplest done on the text, then indexed afresh.
    QStringList texts;
    texts.reserve(m_lines.size() + 2);
    for (const Line& line : std::as_const(m_lines))
        texts.append(line.text);
    const QString entry = formatEntryLine(key, value);
    if (const Section* s = findSection(section))
        texts.insert(s->lastLine + 1, entry);
    else
        texts << u'[' + section + u']' << entry;

    IniDocument rebuilt;
    rebuilt.m_encoding = m_encoding;
    rebuilt.m_lineEnd = m_lineEnd;
    rebuilt.m_endsWithLineEnd = true;
    rebuilt.m_sections.append(Section{});
    for (QString& text : texts) {
        rebuilt.m_lines.append(Line{LineKind::Other, std::move(text), {}, {}});
        rebuilt.indexLine(rebuilt.m_lines.size() - 1);
    }
    *this = std::move(rebuilt);
}

QByteArray IniDocument::serialize() const {
    QString text;
    qsizetype size = 0;
    for (const Line& line : m_lines)
        size += line.text.size() + m_lineEnd.size();
    text.reserve(size);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i].text;
        if (i + 1 < m_lines.size() || m_endsWithLineEnd)
            text += m_lineEnd;
    }
    if (auto bytes = encodeText(text, m_encoding))
        return *bytes;
    return text.toUtf8();
}
