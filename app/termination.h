// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, which a session manager sends at logout, into a call of `terminate` from
// the event loop, where the program can close as a user closes it. One at a time.
class TerminationRequests : public QObject {
public:
    explicit TerminationRequests(std::function<void()> terminate);
    ~TerminationRequests() override;

private:
    std::function<void()> m_terminate;
    QSocketNotifier* m_notifier = nullptr;
};
