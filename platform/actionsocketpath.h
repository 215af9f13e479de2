// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Where the running program listens for the desktop's actions, shared by the program and
// larkspan-action; plain C library only, so that the trigger links nothing else.
//
// The protocol: the client sends one line, an action's name; the program answers with one
// line, "ok" or the message to show, and closes.
namespace actionsocket {

// Longest request line the program reads, newline included; longer ones are refused.
constexpr std::size_t kMaxRequest = 64;

// Fills `path` with $XDG_RUNTIME_DIR/larkspan.socket, or without that (or with a relative one)
// /tmp/larkspan-UID/larkspan.socket, its folder made when `makeFolder` is set. False when the
// path does not fit or the /tmp folder is not a folder of the user's own that only the user
// may enter: there anyone could have put a socket of their own.
bool socketPath(char* path, std::size_t size, bool makeFolder);

} // namespace actionsocket
