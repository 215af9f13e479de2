// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/connectionstring.h"

#include "core/error.h"

#include <QCoreApplication>

namespace {

[[noreturn]] void malformed(qsizetype position, const QString& reason) {
    throw LarkspanError(
        QCoreApplication::translate("ConnectionString",
                                    "The connection string is malformed at character %1: %2")
            .arg(QString::number(position + 1), reason));
}

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    QList<std::pair<QString, QString>> pairs() {
        QList<std::pair<QString, QString>> result;
        for (;;) {
            while (!atEnd() && (peek() == u';' || peek().isSpace()))
                ++m_pos;
            if (atEnd())
                return result;
            QString key = readKey();
            QString value = readValue();
            result.append({std::move(key), std::move(value)});
        }
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }

    QString readKey() {
        const qsizetype start = m_pos;
        QString key;
        for (;;) {
            if (atEnd() || peek() == u';')
                malformed(start, QCoreApplication::translate("ConnectionString",
                                                             "the key has no \"=\" after it"));
            if (peek() == u'=') {
                if (peek(1) == u'=') {
                    key += u'=';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            key += peek();
            ++m_pos;
        }
        key = key.trimmed();
        if (key.isEmpty())
            malformed(start, QCoreApplication::translate("ConnectionString", "a value has no key"));
        return key;
    }

    QString readValue() {
        while (!atEnd() && peek() != u';' && peek().isSpace())
            ++m_pos;
        if (peek() != u'"' && peek() != u'\'') {
            const qsizetype start = m_pos;
            while (!atEnd() && peek() != u';')
                ++m_pos;
            return m_text.sliced(start, m_pos - start).trimmed();
        }
        const QChar quote = peek();
        const qsizetype start = m_pos++;
        QString value;
        for (;;) {
            if (atEnd())
                malformed(start, QCoreApplication::translate("ConnectionString",
                                                             "the quoted value is not closed"));
            if (peek() == quote) {
                if (peek(1) != quote)
                    break;
                ++m_pos;
            }
            value += peek();
            ++m_pos;
        }
        ++m_pos;
        while (!atEnd() && peek() != u';' && peek().isSpace())
            ++m_pos;
        if (!atEnd() && peek() != u';')
            malformed(m_pos, QCoreApplication::translate("ConnectionString",
                                                         "text follows the quoted value"));
        return value;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

} // namespace

ConnectionString ConnectionString::parse(const QString& text) {
    ConnectionString result;
    result.m_entries = Parser(text).pairs();
    return result;
}

QString ConnectionString::value(const QString& key) const {
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
        if (it->first.compare(key, Qt::CaseInsensitive) == 0)
            return it->second;
    }
    return QString();
}

bool ConnectionString::contains(const QString& key) const {
    for (const auto& [entryKey, value] : m_entries) {
        if (entryKey.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
