// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stddef.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

// Where the running program listens for the desktop's actions, shared by the program and
// larkspan-action. C, so that the trigger can be linked against a C library that starts in
// next to no time.
//
// The protocol: the client sends one line, an action's name; the program answers with one
// line, "ok" or the message to show, and closes.
#ifdef __cplusplus
extern "C" {
#endif

// Longest request line the program reads, newline included; longer ones are refused.
enum { kActionMaxRequest = 64 };

// Fills `path` with $XDG_RUNTIME_DIR/larkspan.socket, or without that (or with a relative one)
// /tmp/larkspan-UID/larkspan.socket, its folder made when `makeFolder` is set. False when the
// path does not fit or the /tmp folder is not a folder of the user's own that only the user
// may enter: there anyone could have put a socket of their own.
bool actionSocketPath(char* path, size_t size, bool makeFolder);

#ifdef __cplusplus
}
#endif
