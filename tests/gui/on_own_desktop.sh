#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a GUI test on a virtual desktop of its own (Xvfb, openbox and trayer), so that GUI
# tests run side by side without seeing each other's windows, and stops it afterwards.
#
# Usage: on_own_desktop.sh [--screen WxHxD] PROGRAM [ARGUMENT...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/xsession.sh"
screen=1920x1080x24
if [ "${1:-}" == --screen ]; then
  screen=$2
  shift 2
fi
# The tests check English texts, whatever the machine's locale.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
start_virtual_desktop "$screen"
"$@"
