// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uilanguages.h"

#include <QRegularExpression>

namespace {

QString withoutCodesetAndModifier(const QString& locale) {
    static const QRegularExpression suffix(QStringLiteral("[.@].*$"));
    return QString(locale).remove(suffix);
}

bool isCLocale(const QString& locale) {
    const QString name = withoutCodesetAndModifier(locale);
    return name == u"C" || name == u"POSIX";
}

} // namespace

QStringList preferredLanguages(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(variable));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || isCLocale(locale))
        return {};
    QStringList languages;
    for (const QString& name : environment.value(QStringLiteral("LANGUAGE")).split(u':'))
        if (!name.isEmpty())
            languages.append(withoutCodesetAndModifier(name));
    if (languages.isEmpty())
        languages.append(withoutCodesetAndModifier(locale));
    return languages;
}
