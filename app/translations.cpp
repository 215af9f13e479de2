// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include "core/appdir.h"
#include "core/uilanguages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installTranslations(const QProcessEnvironment& environment, QObject& owner) {
    const QString ours = GetAppDir() + QStringLiteral("translations");
    for (const QString& language : preferredLanguages(environment)) {
        if (language == u"en" || language.startsWith(u"en_"))
            return;
        auto* translation = new QTranslator(&owner);
        // load() also tries the name without its country: "de_AT" finds larkspan_de.qm.
        if (!translation->load(QStringLiteral("larkspan_") + language, ours)) {
            delete translation;
            continue;
        }
        QCoreApplication::installTranslator(translation);
        auto* qtTranslation = new QTranslator(&owner);
        if (qtTranslation->load(QStringLiteral("qtbase_") + language,
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTranslation);
        else
            delete qtTranslation;
        return;
    }
}
