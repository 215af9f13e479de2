// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/termination.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
// A signal handler may only write to a pipe; the event loop reads the other end.
int g_signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}
} // namespace

TerminationRequests::TerminationRequests(std::function<void()> terminate)
    : m_terminate(std::move(terminate)) {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe, SIGTERM ends the program as before
    m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        while (::read(g_signalPipe[0], &byte, 1) > 0) {
        }
        m_terminate();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

TerminationRequests::~TerminationRequests() {
    if (!m_notifier)
        return;
    ::signal(SIGTERM, SIG_DFL);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}
