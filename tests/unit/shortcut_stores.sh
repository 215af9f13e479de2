#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test with a home, a session bus and a desktop of its own: dconf, xfconfd and openbox
# then keep what it writes in a temporary folder, never in the user's settings.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home LARKSPAN_TEST_HOME=$home XDG_CONFIG_HOME=$home/.config \
  XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
bash "$here/session_bus.sh" bash "$here/../gui/on_own_desktop.sh" "$@"
