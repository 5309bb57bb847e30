#!/usr/bin/env bash
# Runs one Windows program under Wine in the private prefix (ctest's emulator for Windows tests).
# Without a display it brings its own Xvfb, so a single test can be run by hand too.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi
source "$here/wine-env.sh"
"$here/wine-prefix.sh" || exit 1
# Wine may start lasting helper processes (services, the desktop) from this program; they must not
# inherit ctest's pipe, or ctest would wait for them, so the output goes through a file.
out=$(mktemp)
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
