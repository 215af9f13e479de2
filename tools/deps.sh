#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need on Debian 12. Safe to run again.
set -euo pipefail

packages=(
  cmake g++ make ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev mdbtools-dev sqlite3
  musl-tools libbenchmark-dev clang libclang-rt-14-dev jgmenu
  xvfb xauth openbox trayer tint2 x11-utils xdotool wmctrl imagemagick
  fonts-noto-core libxcb-cursor0 libxcb1-dev libxcb-xtest0-dev desktop-file-utils
  x11-xserver-utils groff-base gtk-update-icon-cache
  dbus libglib2.0-bin lintian appstream dpkg-dev
  qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  dconf-cli dconf-service gsettings-desktop-schemas gnome-settings-daemon-common
  cinnamon-desktop-data xfconf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
