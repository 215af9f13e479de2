// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launcher.h"

#include "platform/spawn.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// How long the opener's failure still counts as the answer to the user's click.
constexpr qint64 OpenerVerdictMs = 30000;

} // namespace

bool openTarget(const QString& target, const LaunchFailure& onFailure) {
    const auto fail = [target, onFailure](const QString& why) {
        qWarning("Cannot open \"%s\": %s", qUtf8Printable(target), qUtf8Printable(why));
        if (onFailure)
            onFailure(why);
    };
    const LaunchDecision decision = decideLaunch(target, processEnvironmentLookup);
    if (!decision.plan) {
        fail(decision.failure);
        return false;
    }
    const LaunchPlan& plan = *decision.plan;
    // Only the opener's end tells whether something opened; a program's exit code is its own.
    ExitWatch openerEnd;
    if (QFileInfo(plan.program).fileName() == u"xdg-open") {
        QElapsedTimer sinceStart;
        sinceStart.start();
        // The opener may run the application it picked until that ends, and then pass on
        // its exit code: by then the user has long seen it open.
        openerEnd = [fail, sinceStart, what = plan.arguments.value(0)](int exitCode) {
            if (exitCode == 0 || sinceStart.hasExpired(OpenerVerdictMs))
                return;
            fail(openerFailure(what, exitCode));
        };
    }
    const QString error =
        startProgram(plan.program, plan.arguments, plan.workingDirectory, openerEnd);
    if (!error.isEmpty()) {
        fail(QCoreApplication::translate("Launcher", "%1 cannot be started: %2")
                 .arg(plan.program, error));
        return false;
    }
    return true;
}
