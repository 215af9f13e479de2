// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/errorbox.h"

#include <QApplication>

// The program's application object. Its event loop shows in the error box a failure that a
// handler let escape, as a last resort; handlers report their own through reportingErrors.
class LarkspanApplication : public QApplication {
public:
    LarkspanApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
