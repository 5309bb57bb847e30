#!/usr/bin/env bash
# Creates the private Wine prefix on first use: the virtual desktop "shell" at 1024x768 (with its
# taskbar) for every program, Japanese fonts behind the faces our forms ask for, the system's
# symbol font Marlett, and no menu builder. Safe to call concurrently: the first caller builds, the
# others wait on the lock. A prefix made by an older version of this script is made anew.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
# Raised whenever what this script puts into a prefix changes.
version=2
ready=$WINEPREFIX/.kb-ready
[ -f "$ready" ] && [ "$(cat "$ready")" = "$version" ] && exit 0

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# Wine draws caption buttons, scroll arrows and check marks with glyphs of Marlett; without it
# they show as the letters "0", "1", "r". Debian's Wine looks for its own fonts (fonts-wine) in a
# folder that it cannot reach, so the font goes where Windows keeps it.
marlett=/usr/share/wine/fonts/marlett.ttf
if [ ! -f "$marlett" ]; then
    echo "wine-prefix.sh: $marlett is missing (package fonts-wine)" >&2
    exit 1
fi
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
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
echo "$version" > "$ready"
