// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingslogic.h"

#include "core/appdir.h"
#include "core/error.h"
#include "core/menufile.h"
#include "core/programfiles.h"
#include "core/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <sys/stat.h>

QString ListLineText(const QString& caption) {
    //: How the Settings list shows a separator line of the menu (the English spelling is kept as
    //: users know it)
    return IsSeparator(caption) ? QCoreApplication::translate("SettingsList", "Menu Seperator (-)")
                                : withoutAccessMarks(caption);
}

int RowAfterRemoving(int count, int removed) {
    const int left = count - 1;
    if (left <= 0)
        return -1;
    return removed < left ? removed : left - 1;
}

QString TrimCaption(const QString& caption) {
    qsizetype first = 0;
    qsizetype last = caption.size();
    while (first < last && caption[first] <= QChar(u' '))
        ++first;
    while (last > first && caption[last - 1] <= QChar(u' '))
        --last;
    return caption.sliced(first, last - first);
}

QString AddTrailingBackslash(const QString& path) {
    const QChar separator = QDir::separator();
    return path.endsWith(separator) ? path : path + separator;
}

QString QtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");
        const QString qtPatterns = u'(' + patterns.join(u' ') + u')';
        // Qt takes the patterns from the parentheses at the end of the description.
        QString description = parts[i];
        const QString shown = u'(' + parts[i + 1] + u')';
        if (description.endsWith(shown))
            description.chop(shown.size());
        else
            description += u' ';
        filters.append(description + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

void SaveMenuCopy(ProgramFiles& files, const QString& target) {
    const QString from = QDir::cleanPath(SafeFile::localPath(files.menuFileName()));
    const QString to = SafeFile::localPath(target);
    const auto failed = [&](const QString& reason) {
        return LarkspanError(
            QCoreApplication::translate("SaveMenuCopy", "Cannot copy \"%1\" to \"%2\". %3")
                .arg(from, to, reason));
    };
    // Opened first for the system's reason when it cannot be read, which QFile::copy omits.
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        throw failed(source.errorString());
    source.close();
    // QFile::copy refuses an existing target, and renames its finished copy into place
    // without replacing what may have appeared there meanwhile.
    if (!source.copy(to))
        throw failed(source.errorString());
    // QFile::copy gives the copy the source's permissions, which may be wider than the user's
    // umask allows for a new file.
    const mode_t umask = ::umask(0);
    ::umask(umask);
    struct stat st;
    if (::stat(QFile::encodeName(to).constData(), &st) == 0)
        ::chmod(QFile::encodeName(to).constData(), st.st_mode & 07777 & ~umask);
    try {
        files.config().storeMenuFileName(target);
    } catch (const LarkspanError&) {
        // The copy is ours, made a moment ago: without it a retry under the same name works.
        QFile::remove(to);
        throw;
    }
    files.setMenuFileName(target);
}
