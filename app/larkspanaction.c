// SPDX-License-Identifier: GPL-3.0-or-later
// larkspan-action ACTION: asks the running program to perform ACTION (menu, settings, about)
// over its socket (platform/actionsocketpath), or starts the program to perform it. It runs
// on every key press that opens the menu, and its own start was most of that time: it is C,
// linked statically against musl where the build has it, whose start-up does not probe the
// processor as glibc's does (costly under a hypervisor).
// pipe2 is a GNU and BSD extension.
#define _GNU_SOURCE
#include "platform/actionsocketpath.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The program answers at once, before the action runs; it never takes this long.
enum { kAnswerTimeoutMs = 10000 };

static int failing(const char* message, const char* detail) {
    if (detail)
        fprintf(stderr, "larkspan-action: %s: %s\n", message, detail);
    else
        fprintf(stderr, "larkspan-action: %s\n", message);
    return 1;
}

// Starts the `larkspan` beside this program (the application folder's, or the Debian
// package's starter in /usr/bin), else the one on PATH, in a session of its own, to perform
// `action`. Returns once it has been executed.
static int startProgram(char* action) {
    char program[PATH_MAX + sizeof "/larkspan"];
    const ssize_t n = readlink("/proc/self/exe", program, PATH_MAX);
    program[n > 0 ? n : 0] = '\0';
    char* const slash = strrchr(program, '/');
    if (slash)
        strcpy(slash, "/larkspan");
    const bool beside = slash && access(program, X_OK) == 0;
    // The child's exec failure comes back through this pipe; a successful exec closes it.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return failing("cannot start larkspan", strerror(errno));
    const pid_t pid = fork();
    if (pid < 0)
        return failing("cannot start larkspan", strerror(errno));
    if (pid == 0) {
        close(report[0]);
        setsid();
        // Whoever reads this program's output is not kept waiting for the bar's end.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
        }
        char name[] = "larkspan";
        char option[] = "--action";
        char* const argv[] = {name, option, action, NULL};
        if (beside)
            execv(program, argv);
        else
            execvp(name, argv);
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do
        got = read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    return got == (ssize_t)sizeof error ? failing("cannot start larkspan", strerror(error)) : 0;
}

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
        fprintf(stderr, "Usage: larkspan-action ACTION\n"
                        "Asks the running Larkspan to perform ACTION (menu, settings, about),\n"
                        "or starts it to do so.\n");
        return 2;
    }
    char* const action = argv[1];
    struct sockaddr_un address = {.sun_family = AF_UNIX};
    if (!actionSocketPath(address.sun_path, sizeof address.sun_path, true))
        return failing("no folder of the user's own for the program's socket: XDG_RUNTIME_DIR is "
                       "not set and /tmp/larkspan-UID is not private",
                       NULL);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return failing("cannot make a socket", strerror(errno));
    if (connect(fd, (const struct sockaddr*)&address, sizeof address) != 0) {
        // No socket, or one a copy left behind when it ended: no copy runs.
        if (errno == ENOENT || errno == ECONNREFUSED)
            return startProgram(action);
        return failing(address.sun_path, strerror(errno));
    }

    char request[kActionMaxRequest + 1];
    const int length = snprintf(request, sizeof request, "%s\n", action);
    // A longer name goes cut short; the program refuses it as it would the whole.
    const size_t size = length < (int)sizeof request ? (size_t)length : sizeof request - 1;
    if (send(fd, request, size, MSG_NOSIGNAL) != (ssize_t)size)
        return failing("the running program did not take the action", strerror(errno));

    char answer[512];
    size_t received = 0;
    while (received < sizeof answer - 1) {
        struct pollfd ready = {.fd = fd, .events = POLLIN};
        const int polled = poll(&ready, 1, kAnswerTimeoutMs);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return failing("the running program does not answer", NULL);
        const ssize_t got = recv(fd, answer + received, sizeof answer - 1 - received, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        received += (size_t)got;
        if (memchr(answer, '\n', received))
            break;
    }
    answer[received] = '\0';
    if (strcmp(answer, "ok\n") == 0)
        return 0;
    answer[strcspn(answer, "\n")] = '\0';
    return failing(received ? answer : "the running program closed without an answer", NULL);
}
