#!/usr/bin/env bash
# Creates the private Wine prefix on first use: the virtual desktop "shell" at 1024x768 (with its
# taskbar) for every program, Japanese fonts behind the faces our forms ask for, and no menu
# builder. Safe to call concurrently: the first caller builds, the others wait on the lock.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.kb-ready" ] && exit 0

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
# regedit reads UTF-16 files, which is how the Japanese face names survive any Unix locale.
iconv -f UTF-8 -t UTF-16 > "$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"shell"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ 明朝"="IPAMincho"
"Arial"="Liberation Sans"
REG
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.kb-ready"
