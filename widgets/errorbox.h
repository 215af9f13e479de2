// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/error.h"

#include <QString>

// The application's error box: title "Larkspan", error icon, OK, the failure's message.
void showErrorBox(const QString& message);

// Runs an event handler's work; a failure it raises is shown in the error box and the
// program goes on. Handlers catch here, before the failure could unwind through Qt's own
// event delivery, which is not built to pass exceptions.
template <typename Work> void reportingErrors(Work&& work) {
    try {
        work();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
}
