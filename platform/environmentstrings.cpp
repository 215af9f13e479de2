// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/environmentstrings.h"

#include <QByteArray>

QString expandEnvironmentStrings(const QString& text, const EnvironmentLookup& lookup) {
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(u'%', from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            out += QStringView(text).mid(from);
            break;
        }
        out += QStringView(text).mid(from, open - from);
        const QString name = text.mid(open + 1, close - open - 1);
        const std::optional<QString> value = name.isEmpty() ? std::nullopt : lookup(name);
        if (value)
            out += *value;
        else
            out += QStringView(text).mid(open, close - open + 1);
        from = close + 1;
    }
    return out;
}

std::optional<QString> processEnvironmentLookup(const QString& name) {
    // The C library would read "A=B" as the variable A with a value starting "B=".
    if (name.isEmpty() || name.contains(u'=') || name.contains(QChar(0)))
        return std::nullopt;
    const QByteArray key = name.toLocal8Bit();
    if (!qEnvironmentVariableIsSet(key.constData()))
        return std::nullopt;
    return qEnvironmentVariable(key.constData());
}
