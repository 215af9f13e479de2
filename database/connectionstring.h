// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <utility>

// A connection string of "key=value" pairs separated by ";". Keys are compared without regard
// to letter case and may hold "=" written as "=="; values keep their text, trimmed of the blanks
// around them unless quoted with ' or " (a quote doubled inside stands for itself).
class ConnectionString {
public:
    // Throws LarkspanError naming the position of the first malformed pair.
    static ConnectionString parse(const QString& text);

    // The last value given for the key; "" when the key is absent.
    QString value(const QString& key) const;
    bool contains(const QString& key) const;
    const QList<std::pair<QString, QString>>& entries() const { return m_entries; }

private:
    QList<std::pair<QString, QString>> m_entries;
};
