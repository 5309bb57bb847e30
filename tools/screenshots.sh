#!/usr/bin/env bash
# Takes the README's pictures of the programs (docs/images/*.png) as a person would see them:
# the launcher with the demo data of ./run.sh, called up by its hot key; its context menu with the
# "ボタン(&B)" submenu open, after a right click on the title bar; the settings editor and the style
# editor, each chosen from that menu. Installs and builds what is missing first, like ./run.sh.
#   tools/screenshots.sh
# It always runs in a private Xvfb (1024x768, Wine's virtual desktop with its taskbar) and a Wine
# prefix of its own (build/shots-prefix), on fresh demo data (build/shots), so the pictures do not
# depend on what a ./run.sh left behind, and it may run beside one.
#
# PNG: the pictures are cropped to the windows and encoded by tools/screenshots/screenshot_win.cpp
# (kb_shot.exe) under Wine with the Windows Imaging Component (windowscodecs) of the mingw-w64 SDK.
# Wine brings that encoder along, so no image package and no encoder of our own are needed; a .bmp
# such as kb_helper saves for ./run.sh (2.3 MB for the screen) is far too big for the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export KB_WINEPREFIX=$root/build/shots-prefix
demo=$root/build/shots
images=$root/docs/images
helper=$root/build/win/tools/wine-helper/kb_helper.exe
shot=$root/build/win/tools/screenshots/kb_shot.exe

tools/deps.sh
tools/build.sh
for f in build/win/bin/qvtdock.exe "$helper" "$shot"; do
    [ -f "$f" ] || { echo "$f is not built." >&2; exit 1; }
done

launcher=
cleanup() {
    if [ -n "$launcher" ] && kill -0 "$launcher" 2>/dev/null; then
        wine "$helper" close TfmMain 30000 >/dev/null 2>&1 || kill "$launcher" 2>/dev/null || true
    fi
    kb_stop_session
}
source tools/xvfb-session.sh
source tools/wine-session.sh
trap cleanup EXIT

inwine() { wine "$@" 2>/dev/null </dev/null; }
winpath() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
# Fails the script with a message when a step has not come about.
step() {
    local what=$1
    shift
    "$@" || { echo "screenshots: $what did not happen." >&2; exit 1; }
}
# Shows the launcher by its hot key. The window exists before start-up has registered the key: a
# press that comes too early is lost, and the next one follows only when no window came up.
call_launcher() {
    for _ in $(seq 20); do
        inwine "$shot" shown TfmMain 1 0 && return 0
        inwine "$helper" keys Ctrl+Alt+L || true
        inwine "$shot" shown TfmMain 1 1000 && return 0
    done
    return 1
}
# The context menu of the launcher's title bar (a right click there; the menu of a button leaves
# out the editors).
open_menu() {
    step "the launcher's window" call_launcher
    step "the right click" inwine "$shot" click TfmMain 300 14 right
    step "the context menu" inwine "$shot" shown '#32768' 1 10000
}
picture() {
    local name=$1
    shift
    step "$name" inwine "$shot" png "$(winpath "$images/$name")" "$@"
    echo "$name: $(stat -c %s "$images/$name") bytes"
}

# The demo program folder, laid out as ./run.sh does, with its data written afresh.
rm -rf "$demo"
mkdir -p "$demo" "$images"
cp build/win/bin/qvtdock.exe build/win/bin/qvtcfg.exe build/win/bin/*.sti "$demo/"
user=$(inwine "$helper" user | tr -d '\r')
data=$demo${user:+/$user}
mkdir -p "$data"
build/host/tools/demo/demo_data tools/demo/demo-launcher.txt "$data" "$(winpath "$data")" >/dev/null

cd "$demo"
setsid wine "$demo/qvtdock.exe" >/dev/null 2>&1 </dev/null &
launcher=$!
cd "$root"
step "the launcher's start" inwine "$helper" wait TfmMain 60000

step "the launcher's window" call_launcher
picture launcher.png TfmMain

open_menu
step "the submenu key" inwine "$helper" keys B
step "the submenu" inwine "$shot" shown '#32768' 2 10000
picture menu.png TfmMain '#32768'
inwine "$shot" key 27 && inwine "$shot" key 27

# The editors run as the launcher starts them: its window is hidden until they close, which
# WM_CLOSE does as a person's close box (nothing written).
for editor in S:TfmCfg:settings.png K:TfmStyle:style.png; do
    IFS=: read -r key class name <<<"$editor"
    open_menu
    step "the menu key $key" inwine "$helper" keys "$key"
    step "the editor $class" inwine "$shot" shown "$class" 1 30000
    picture "$name" "$class"
    step "the editor's close" inwine "$helper" close "$class" 30000
done
