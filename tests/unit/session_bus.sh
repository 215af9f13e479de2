#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test with a session bus of its own, stopped afterwards.
set -euo pipefail
exec {address_fd}<> <(:)
dbus-daemon --session --nofork --nopidfile --print-address="$address_fd" &
bus=$!
trap 'kill "$bus" 2>/dev/null; wait "$bus" 2>/dev/null || true' EXIT
read -r -t 20 DBUS_SESSION_BUS_ADDRESS <&"$address_fd"
export DBUS_SESSION_BUS_ADDRESS
"$@"
