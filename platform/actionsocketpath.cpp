// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/actionsocketpath.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace actionsocket {

bool socketPath(char* path, std::size_t size, bool makeFolder) {
    // What a socket's address can hold, its terminating zero included.
    const std::size_t limit =
        sizeof(sockaddr_un::sun_path) < size ? sizeof(sockaddr_un::sun_path) : size;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        const int n = std::snprintf(path, limit, "%s/larkspan.socket", runtime);
        return n > 0 && std::size_t(n) < limit;
    }
    // The runtime folder is the user's alone; this one must be made so, and checked without
    // following a link, since anyone may create names in /tmp.
    const uid_t uid = getuid();
    char folder[64];
    std::snprintf(folder, sizeof folder, "/tmp/larkspan-%u", unsigned(uid));
    if (makeFolder && mkdir(folder, 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (lstat(folder, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid ||
        (st.st_mode & 077) != 0)
        return false;
    const int n = std::snprintf(path, limit, "%s/larkspan.socket", folder);
    return n > 0 && std::size_t(n) < limit;
}

} // namespace actionsocket
