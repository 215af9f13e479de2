// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launchplan.h"

#include "desktopentry/commandline.h"
#include "desktopentry/desktopentry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace {

// The executable a first word stands for: a path when it holds "/", else a command on PATH.
QString programFor(const QString& word) {
    if (word.isEmpty())
        return {};
    if (word.contains(u'/')) {
        const QFileInfo info(word);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(word);
}

LaunchDecision failed(const QString& why) {
    return {std::nullopt, why};
}

// Why a first word names no program.
QString noProgramReason(const QString& word) {
    if (!word.contains(u'/'))
        return QCoreApplication::translate("LaunchPlan",
                                           "There is no program called \"%1\" on this computer.")
            .arg(word);
    const QFileInfo info(word);
    if (!info.exists())
        return QCoreApplication::translate("LaunchPlan", "%1 does not exist").arg(word);
    return QCoreApplication::translate("LaunchPlan", "%1 is not executable").arg(word);
}

// The desktop's default application for a path or URL. Paths arrive absolute and URLs begin
// with a letter, so the argument is never read as an option.
LaunchDecision openerPlan(const QString& pathOrUrl) {
    const QString opener = QStandardPaths::findExecutable(u"xdg-open"_qs);
    if (opener.isEmpty())
        return failed(
            QCoreApplication::translate("LaunchPlan", "xdg-open, which opens %1, is not installed")
                .arg(pathOrUrl));
    return {LaunchPlan{opener, {pathOrUrl}, {}}, {}};
}

LaunchDecision desktopEntryPlan(const QString& path) {
    const auto entry = readDesktopEntry(path);
    if (!entry)
        return failed(
            QCoreApplication::translate("LaunchPlan", "%1 is no desktop entry").arg(path));
    if (entry->type == u"Link")
        return isUrl(entry->url)
                   ? openerPlan(entry->url)
                   : failed(
                         QCoreApplication::translate("LaunchPlan", "%1 links to no URL").arg(path));
    if (!entry->type.isEmpty() && entry->type != u"Application")
        return failed(QCoreApplication::translate("LaunchPlan", "%1 is no application").arg(path));
    auto words = desktopExecArguments(*entry);
    if (!words)
        return failed(
            QCoreApplication::translate("LaunchPlan", "%1 has no command that can run").arg(path));
    const QString first = words->takeFirst();
    const QString program = programFor(first);
    if (program.isEmpty())
        return failed(noProgramReason(first));
    LaunchPlan plan{program, *words, entry->path};
    if (entry->terminal) {
        // Debian's terminal alternative runs everything after -e as the command and its
        // arguments.
        const QString terminal = QStandardPaths::findExecutable(u"x-terminal-emulator"_qs);
        if (terminal.isEmpty())
            return failed(QCoreApplication::translate("LaunchPlan",
                                                      "%1 needs a terminal, and none is installed")
                              .arg(path));
        plan.arguments.prepend(plan.program);
        plan.arguments.prepend(u"-e"_qs);
        plan.program = terminal;
    }
    return {plan, {}};
}

// What a single name stands for. `named` is false when the name means nothing, so that the
// caller may try it as a command line; an existing file that cannot be started stays named.
struct NameResolution {
    bool named = false;
    LaunchDecision decision;
};

NameResolution resolveName(const QString& name) {
    if (name.contains(u'/')) {
        const QFileInfo info(name);
        if (info.exists()) {
            const QString path = info.absoluteFilePath();
            if (info.isDir())
                return {true, openerPlan(path)};
            if (name.endsWith(u".desktop"))
                return {true, desktopEntryPlan(path)};
            if (info.isExecutable())
                return {true, {LaunchPlan{path, {}, {}}, {}}};
            return {true, openerPlan(path)};
        }
    }
    if (isUrl(name))
        return {true, openerPlan(name)};
    if (const QString installed = installedDesktopEntry(name); !installed.isEmpty())
        return {true, desktopEntryPlan(installed)};
    if (!name.contains(u'/')) {
        const QString program = programFor(name);
        if (!program.isEmpty())
            return {true, {LaunchPlan{program, {}, {}}, {}}};
    }
    return {false, failed(noProgramReason(name))};
}

// What the opener was given, named as the user knows it: a URL whole, a file by its name.
QString shownName(const QString& pathOrUrl) {
    if (isUrl(pathOrUrl))
        return pathOrUrl;
    const QString name = QFileInfo(pathOrUrl).fileName();
    return name.isEmpty() ? pathOrUrl : name;
}

// xdg-open's exit codes for a missing file and for one no application handles.
constexpr int OpenerFoundNoFile = 2;
constexpr int OpenerFoundNoApplication = 3;

QString noApplicationReason(const QString& pathOrUrl) {
    const QString name = shownName(pathOrUrl);
    if (isUrl(pathOrUrl)) {
        const QString scheme = pathOrUrl.left(pathOrUrl.indexOf(u':')).toLower();
        if (scheme == u"http" || scheme == u"https")
            return QCoreApplication::translate("LaunchPlan",
                                               "No web browser is set up to open \"%1\".")
                .arg(name);
        return QCoreApplication::translate(
                   "LaunchPlan",
                   "No application is set up to open \"%1:\" addresses such as \"%2\".")
            .arg(scheme, name);
    }
    if (QFileInfo(pathOrUrl).isDir())
        return QCoreApplication::translate("LaunchPlan",
                                           "No application is set up to open the folder \"%1\".")
            .arg(name);
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(pathOrUrl);
    if (!type.isValid() || type.isDefault() || type.comment().isEmpty())
        return QCoreApplication::translate("LaunchPlan", "No application is set up to open \"%1\".")
            .arg(name);
    return QCoreApplication::translate(
               "LaunchPlan",
               "No application is set up for the file type \"%1\", so \"%2\" cannot be opened.")
        .arg(type.comment(), name);
}

} // namespace

QString openerFailure(const QString& pathOrUrl, int exitCode) {
    const QString name = shownName(pathOrUrl);
    if (exitCode < 0)
        return QCoreApplication::translate("LaunchPlan",
                                           "Opening \"%1\" was stopped before it finished.")
            .arg(name);
    if (exitCode == OpenerFoundNoApplication)
        return noApplicationReason(pathOrUrl);
    if (exitCode == OpenerFoundNoFile)
        return QCoreApplication::translate("LaunchPlan", "\"%1\" could not be found.").arg(name);
    return QCoreApplication::translate("LaunchPlan",
                                       "The application set up to open \"%1\" could not open it.")
        .arg(name);
}

bool isUrl(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || colon + 1 >= text.size())
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const char16_t c = text[i].unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool other = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
        if (!letter && !(i > 0 && other))
            return false;
    }
    return true;
}

LaunchDecision decideLaunch(const QString& target, const EnvironmentLookup& lookup) {
    const QString whole = expandEnvironmentStrings(target, lookup);
    if (whole.trimmed().isEmpty())
        return failed(QCoreApplication::translate("LaunchPlan", "the entry has no target"));
    // An argument cannot hold a zero character; it would be cut short without a word.
    if (whole.contains(QChar(0)))
        return failed(
            QCoreApplication::translate("LaunchPlan", "the target holds a zero character"));
    if (NameResolution resolved = resolveName(whole); resolved.named)
        return resolved.decision;
    // Split before expanding, as a shell treats a quoted variable: a value's blanks and
    // quotes never add or break words.
    auto words = splitCommandLine(target);
    if (!words)
        return failed(
            QCoreApplication::translate("LaunchPlan", "the target has a quote that is not closed"));
    if (words->isEmpty())
        return failed(QCoreApplication::translate("LaunchPlan", "the entry has no target"));
    for (QString& word : *words)
        word = expandEnvironmentStrings(word, lookup);
    if (words->size() == 1)
        return resolveName(words->first()).decision;
    const QString program = programFor(words->first());
    if (program.isEmpty())
        return failed(noProgramReason(words->first()));
    return {LaunchPlan{program, words->mid(1), {}}, {}};
}

std::optional<LaunchPlan> planLaunch(const QString& target, const EnvironmentLookup& lookup) {
    return decideLaunch(target, lookup).plan;
}
