// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/username.h"

#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

UserNameLookup& testLookup() {
    static UserNameLookup lookup;
    return lookup;
}

} // namespace

QString userNameOrFallback(const std::optional<QByteArray>& rawName) {
    if (!rawName)
        return UserNameFallback.toString();
    const qsizetype zero = rawName->indexOf('\0');
    const QString name = QString::fromLocal8Bit(zero < 0 ? *rawName : rawName->left(zero));
    // An empty name is no name: showing a blank line would tell the user nothing.
    if (name.isEmpty() || name.size() > UserNameCapacity)
        return UserNameFallback.toString();
    return name;
}

std::optional<QByteArray> effectiveUserLoginName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 1024);
    // Entries with long fields need more room than suggested; grow a few times, then give up.
    for (int attempt = 0; attempt < 6; ++attempt) {
        passwd entry{};
        passwd* found = nullptr;
        const int rc = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (rc == ERANGE) {
            buffer.resize(buffer.size() * 4);
            continue;
        }
        if (rc != 0 || found == nullptr || found->pw_name == nullptr)
            return std::nullopt;
        return QByteArray(found->pw_name);
    }
    return std::nullopt;
}

QString GetCurrentUserName() {
    return userNameOrFallback(testLookup() ? testLookup()() : effectiveUserLoginName());
}

void setUserNameLookupForTesting(UserNameLookup lookup) {
    testLookup() = std::move(lookup);
}
