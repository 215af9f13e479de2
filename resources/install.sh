#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Registers this Larkspan folder with the desktop for the current user: a menu entry, the
# icon in the hicolor theme and, on request, an entry that starts the bar at login.
# --uninstall takes away exactly what an earlier run added. No root needed.
set -eu

usage() {
  cat <<'TEXT'
Usage: ./install.sh [--autostart]   register Larkspan in the desktop's menus
       ./install.sh --uninstall     remove everything this script added
       ./install.sh --help

--autostart also starts the bar when you log in. Running the script again after moving
the folder points the entries at the new place.
TEXT
}

die() {
  echo "install.sh: $*" >&2
  exit 1
}

autostart=false
uninstall=false
for arg in "$@"; do
  case $arg in
  --autostart) autostart=true ;;
  --uninstall) uninstall=true ;;
  --help | -h)
    usage
    exit 0
    ;;
  *)
    usage >&2
    exit 2
    ;;
  esac
done

[ -n "${HOME:-}" ] || die "HOME is not set"
# Relative base folders are to be ignored, as the XDG base directory rules say.
base() { # variable value, default
  case $1 in
  /*) echo "$1" ;;
  *) echo "$2" ;;
  esac
}
data_home=$(base "${XDG_DATA_HOME:-}" "$HOME/.local/share")
config_home=$(base "${XDG_CONFIG_HOME:-}" "$HOME/.config")
state_home=$(base "${XDG_STATE_HOME:-}" "$HOME/.local/state")

# One line per file or folder this script made, "file PATH" or "dir PATH", in the order
# made; the undo works through it backwards.
manifest=$state_home/larkspan/desktop-files
applications=$data_home/applications
hicolor=$data_home/icons/hicolor
menu_entry=$applications/larkspan.desktop
autostart_entry=$config_home/autostart/larkspan.desktop
sizes="16 22 24 32 48 64 128 256"

newline='
'
tab=$(printf '\t')
case "$HOME$data_home$config_home$state_home" in
*"$newline"* | *"$tab"*) die "a base folder holds a line break or tab" ;;
esac

# The desktop's caches are refreshed where they already exist, never created: a cache this
# script made would be a file it did not record.
refresh_caches() {
  if [ -e "$hicolor/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -f -t "$hicolor" || true
  fi
  if [ -e "$applications/mimeinfo.cache" ] && command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$applications" || true
  fi
}

recorded() { # line
  [ -f "$manifest" ] && grep -Fxq -- "$1" "$manifest"
}

record() { # line
  recorded "$1" || printf '%s\n' "$1" >>"$manifest"
}

# Makes a folder and its missing parents, noting each one made.
make_dir() { # path
  [ -d "$1" ] && return 0
  make_dir "$(dirname "$1")"
  mkdir "$1"
  record "dir $1"
}

# The manifest's own folder and the parents made for it are noted once the manifest can be
# written; the undo removes that folder itself, after the manifest.
start_manifest() {
  dir=$(dirname "$manifest")
  made=
  while [ ! -d "$dir" ]; do
    made="$dir$newline$made"
    dir=$(dirname "$dir")
  done
  mkdir -p "$(dirname "$manifest")"
  printf '%s' "$made" | while IFS= read -r dir; do
    [ "$dir" = "$(dirname "$manifest")" ] || record "dir $dir"
  done
}

if $uninstall; then
  if [ ! -f "$manifest" ]; then
    echo "Nothing to remove: this script has registered nothing for $(id -un)."
    exit 0
  fi
  entries=$(awk '{ line[NR] = $0 } END { for (i = NR; i > 0; i--) print line[i] }' "$manifest")
  rm -f "$manifest"
  rmdir "$(dirname "$manifest")" 2>/dev/null || true
  printf '%s\n' "$entries" | while IFS= read -r line; do
    path=${line#* }
    case $line in
    "file "*) rm -f "$path" 2>/dev/null || true ;;
    # A folder that holds something else now stays.
    "dir "*) rmdir "$path" 2>/dev/null || true ;;
    esac
  done
  refresh_caches
  echo "Larkspan is no longer registered with the desktop."
  exit 0
fi

here=$(cd "$(dirname "$0")" && pwd -P)
program=$here/larkspan
[ -x "$program" ] || die "no executable larkspan beside this script in $here"
case $here in
*"$newline"* | *"$tab"*) die "the folder name $here holds a line break or tab" ;;
esac
for size in $sizes; do
  [ -f "$here/icons/larkspan-$size.png" ] || die "icon missing: $here/icons/larkspan-$size.png"
done
[ -f "$here/icons/larkspan.svg" ] || die "icon missing: $here/icons/larkspan.svg"

$autostart || ! recorded "file $autostart_entry" || autostart=true
targets="$menu_entry"
for size in $sizes; do
  targets="$targets$newline$hicolor/${size}x$size/apps/larkspan.png"
done
targets="$targets$newline$hicolor/scalable/apps/larkspan.svg"
! $autostart || targets="$targets$newline$autostart_entry"

# Someone else's file is never overwritten, so that the undo never takes it away.
refused=$(printf '%s\n' "$targets" | while IFS= read -r target; do
  if { [ -e "$target" ] || [ -L "$target" ]; } && ! recorded "file $target"; then
    echo "$target"
  fi
done)
if [ -n "$refused" ]; then
  echo "install.sh: these files exist and were not written by this script:" >&2
  printf '  %s\n' "$refused" >&2
  die "move them away and run it again; nothing was changed"
fi

# The Exec value: the path is one argument in double quotes, where \ " ` $ take a
# backslash; % doubles for the field codes; then every backslash doubles again for the
# string escapes of the file format.
exec_path=$(printf '%s' "$program" | sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g' -e 's/\\/\\\\/g')
try_exec=$(printf '%s' "$program" | sed -e 's/\\/\\\\/g')

# The bar places itself and stays above other windows, which a Wayland client may not do:
# it always runs through X11 (XWayland in a Wayland session), even where the session sets
# QT_QPA_PLATFORM for every program.
entry_text() {
  cat <<EOF
[Desktop Entry]
Type=Application
Version=1.4
Name=Larkspan
GenericName=Launcher
GenericName[de]=Programmstarter
GenericName[es]=Lanzador de aplicaciones
GenericName[fr]=Lanceur d'applications
GenericName[pt_BR]=Lançador de aplicativos
GenericName[ru]=Панель запуска
GenericName[zh_CN]=启动器
Comment=A small bar with a menu of your programs, documents, folders and web pages
Comment[de]=Eine kleine Leiste mit einem Menü Ihrer Programme, Dokumente, Ordner und Webseiten
Comment[es]=Una pequeña barra con un menú de sus programas, documentos, carpetas y páginas web
Comment[fr]=Une petite barre avec un menu de vos programmes, documents, dossiers et pages web
Comment[pt_BR]=Uma pequena barra com um menu dos seus programas, documentos, pastas e páginas da web
Comment[ru]=Небольшая панель с меню ваших программ, документов, папок и веб-страниц
Comment[zh_CN]=小巧的启动栏，菜单中列出您的程序、文档、文件夹和网页
Icon=larkspan
TryExec=$try_exec
Exec=env QT_QPA_PLATFORM=xcb "$exec_path"
Terminal=false
Categories=Utility;
Keywords=launcher;menu;bar;
StartupWMClass=Larkspan
Actions=menu;settings;about;

[Desktop Action menu]
Name[de]=Startmenü
Name[es]=Menú del lanzador
Name[fr]=Menu du lanceur
Name[pt_BR]=Menu do lançador
Name[ru]=Меню запуска
Name[zh_CN]=启动菜单
Name=Launcher Menu
Exec=gapplication action org.larkspan.Larkspan menu

[Desktop Action settings]
Name[de]=Einstellungen
Name[es]=Configuración
Name[fr]=Paramètres
Name[pt_BR]=Configurações
Name[ru]=Настройки
Name[zh_CN]=设置
Name=Settings
Exec=gapplication action org.larkspan.Larkspan settings

[Desktop Action about]
Name[de]=Über Larkspan
Name[es]=Acerca de Larkspan
Name[fr]=À propos de Larkspan
Name[pt_BR]=Sobre o Larkspan
Name[ru]=О программе Larkspan
Name[zh_CN]=关于 Larkspan
Name=About Larkspan
Exec=gapplication action org.larkspan.Larkspan about
EOF
}

# Writes through a temporary file in the same folder, so that no half-written file is seen.
put() { # target, then the content on standard input
  make_dir "$(dirname "$1")"
  record "file $1"
  cat >"$1.new.$$"
  mv -f "$1.new.$$" "$1"
}

start_manifest
entry_text | put "$menu_entry"
for size in $sizes; do
  put "$hicolor/${size}x$size/apps/larkspan.png" <"$here/icons/larkspan-$size.png"
done
put "$hicolor/scalable/apps/larkspan.svg" <"$here/icons/larkspan.svg"
if $autostart; then
  entry_text | put "$autostart_entry"
fi
refresh_caches

echo "Larkspan ($program) is in the desktop's menus."
! $autostart || echo "It starts when you log in."
echo "Undo with: $here/install.sh --uninstall"
