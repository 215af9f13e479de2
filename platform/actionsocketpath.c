// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/actionsocketpath.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

bool actionSocketPath(char* path, size_t size, bool makeFolder) {
    // What a socket's address can hold, its terminating zero included.
    const size_t addressSize = sizeof(((struct sockaddr_un*)0)->sun_path);
    const size_t limit = addressSize < size ? addressSize : size;
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        const int n = snprintf(path, limit, "%s/larkspan.socket", runtime);
        return n > 0 && (size_t)n < limit;
    }
    // The runtime folder is the user's alone; this one must be made so, and checked without
    // following a link, since anyone may create names in /tmp.
    const uid_t uid = getuid();
    char folder[64];
    snprintf(folder, sizeof folder, "/tmp/larkspan-%u", (unsigned)uid);
    if (makeFolder && mkdir(folder, 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (lstat(folder, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid ||
        (st.st_mode & 077) != 0)
        return false;
    const int n = snprintf(path, limit, "%s/larkspan.socket", folder);
    return n > 0 && (size_t)n < limit;
}
