// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/spawn.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// What the started side reports through the pipe, in this order: the start, then, when
// watched, the end.
struct Report {
    enum Kind : int { Started, ExecFailed, Exited, Signalled } kind;
    int value; // errno, exit code or signal
};

// Only async-signal-safe calls from here to exec: the parent has threads.
void writeReport(int fd, Report report) {
    const char* at = reinterpret_cast<const char*>(&report);
    std::size_t left = sizeof report;
    while (left > 0) {
        const ssize_t n = ::write(fd, at, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        at += n;
        left -= std::size_t(n);
    }
}

// False at the end of the pipe.
bool readReport(int fd, Report& report) {
    char* at = reinterpret_cast<char*>(&report);
    std::size_t left = sizeof report;
    while (left > 0) {
        const ssize_t n = ::read(fd, at, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        left -= std::size_t(n);
    }
    return true;
}

[[noreturn]] void execOrReport(const char* directory, char* const* argv, int reportFd) {
    if (directory && ::chdir(directory) != 0) {
        writeReport(reportFd, {Report::ExecFailed, errno});
        ::_exit(127);
    }
    ::execv(argv[0], argv);
    writeReport(reportFd, {Report::ExecFailed, errno});
    ::_exit(127);
}

// The watcher: starts the program as its own child, reports the start, waits, reports the end.
[[noreturn]] void watch(const char* directory, char* const* argv, int reportFd) {
    int execPipe[2];
    if (::pipe2(execPipe, O_CLOEXEC) != 0) {
        writeReport(reportFd, {Report::ExecFailed, errno});
        ::_exit(127);
    }
    const pid_t program = ::fork();
    if (program == 0) {
        ::close(execPipe[0]);
        execOrReport(directory, argv, execPipe[1]);
    }
    ::close(execPipe[1]);
    Report start{Report::Started, 0};
    if (program < 0)
        start = {Report::ExecFailed, errno};
    else if (readReport(execPipe[0], start)) // a report here means exec failed
        ::waitpid(program, nullptr, 0);
    writeReport(reportFd, start);
    if (start.kind != Report::Started)
        ::_exit(127);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
    }
    writeReport(reportFd, WIFEXITED(status) ? Report{Report::Exited, WEXITSTATUS(status)}
                                            : Report{Report::Signalled, WTERMSIG(status)});
    ::_exit(0);
}

void watchForExit(int fd, const ExitWatch& onExit) {
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, fd, onExit] {
        Report end{};
        const bool reported = readReport(fd, end);
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(fd);
        // A watcher killed before it could report says nothing about the program.
        if (reported)
            onExit(end.kind == Report::Exited ? end.value : -1);
    });
}

} // namespace

QString startProgram(const QString& program, const QStringList& arguments,
                     const QString& workingDirectory, const ExitWatch& onExit) {
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray directory = QFile::encodeName(workingDirectory);
    const char* chdirTo = workingDirectory.isEmpty() ? nullptr : directory.constData();
    // Without an event loop nobody could hear the end.
    const bool watched = onExit && QCoreApplication::instance();

    int reportPipe[2];
    if (::pipe2(reportPipe, O_CLOEXEC) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const pid_t middle = ::fork();
    if (middle == 0) {
        // The middle process leaves at once, so that what it starts is handed to init.
        ::close(reportPipe[0]);
        ::setsid();
        const pid_t started = ::fork();
        if (started == 0) {
            if (watched)
                watch(chdirTo, argv.data(), reportPipe[1]);
            execOrReport(chdirTo, argv.data(), reportPipe[1]);
        }
        if (started < 0)
            writeReport(reportPipe[1], {Report::ExecFailed, errno});
        ::_exit(0);
    }
    ::close(reportPipe[1]);
    if (middle < 0) {
        const int error = errno;
        ::close(reportPipe[0]);
        return QString::fromLocal8Bit(std::strerror(error));
    }
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    // Unwatched, a successful exec closes the pipe without a word.
    Report start{Report::Started, 0};
    const bool reported = readReport(reportPipe[0], start);
    if (watched && !reported)
        start = {Report::ExecFailed, EIO}; // the watcher vanished
    if (start.kind != Report::Started) {
        ::close(reportPipe[0]);
        return QString::fromLocal8Bit(std::strerror(start.value));
    }
    if (watched)
        watchForExit(reportPipe[0], onExit);
    else
        ::close(reportPipe[0]);
    return {};
}
