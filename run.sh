#!/usr/bin/env bash
# Starts the launcher under Wine, with a demo program folder, on this display (or, without one, in
# a private Xvfb, saving a picture of the desktop), shows its window at once by pressing its hot
# key, and keeps it running until Ctrl+C.
#   ./run.sh         installs and builds what is missing, then runs the launcher
#   ./run.sh --stop  ends the launcher that a ./run.sh elsewhere runs
# The launcher closes as a person would close it (WM_CLOSE: its data and window geometry are
# saved); then the Wine server of the run's own prefix (build/run-prefix) ends.
#
# The demo program folder is build/demo: the programs and the style files from the build, and a
# data folder for Wine's user (build/demo/<user>) that gets the demo data only while it does not
# exist. Later runs keep what the launcher saved there; delete the folder to start afresh.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
export KB_WINEPREFIX=$root/build/run-prefix
state=$root/build/run         # what the running ./run.sh leaves for --stop and for a person
demo=$root/build/demo         # the demo program folder
helper=$root/build/win/tools/wine-helper/kb_helper.exe
mkdir -p "$state"

# The pid of a ./run.sh that runs now, if any.
running_pid() {
    local pid
    pid=$(cat "$state/pid" 2>/dev/null) || return 1
    [ -n "$pid" ] && [ "$pid" != $$ ] && kill -0 "$pid" 2>/dev/null &&
        tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'run\.sh' && echo "$pid"
}

if [ "${1:-}" = "--stop" ]; then
    if ! pid=$(running_pid); then
        echo "No launcher runs under ./run.sh."
        exit 0
    fi
    kill -TERM "$pid"
    for _ in $(seq 600); do
        kill -0 "$pid" 2>/dev/null || { echo "Stopped."; exit 0; }
        sleep 0.1
    done
    echo "./run.sh (pid $pid) has not ended after 60 s." >&2
    exit 1
elif [ $# -gt 0 ]; then
    sed -n '2,12s/^# \{0,1\}//p' "$0"
    exit 2
fi

# One run at a time: a second one says so and changes nothing.
exec 8>"$state/lock"
flock 8
if pid=$(running_pid); then
    echo "K+Bandeo already runs under ./run.sh (pid $pid); './run.sh --stop' ends it."
    exit 1
fi
echo $$ >"$state/pid"
exec 8>&-

# Stopping: the first Ctrl+C (or --stop) closes the launcher, the way out below cleans up.
launcher=
closing=0
headless=0
cleanup() {
    if [ -n "$launcher" ] && kill -0 "$launcher" 2>/dev/null; then
        kill "$launcher" 2>/dev/null || true
    fi
    wineserver -k 2>/dev/null || true
    [ "$headless" = 1 ] && kb_stop_session
    rm -f "$state/pid"
}
trap cleanup EXIT
trap 'closing=1' INT TERM

# Wine runs in sessions of its own: Ctrl+C reaches this script alone, which closes the launcher
# the way a person would, instead of every Wine process (the desktop, the server) ending at once.
inwine() { setsid -w wine "$@"; }
winpath() { setsid -w winepath -w "$1" 2>/dev/null | tr -d '\r'; }

tools/deps.sh
tools/build.sh
if [ ! -f build/win/bin/qvtdock.exe ]; then
    echo "The launcher (build/win/bin/qvtdock.exe) is not built yet." >&2
    exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
    headless=1
    source tools/xvfb-session.sh # defines kb_stop_session; our own trap calls it
    trap cleanup EXIT
    trap 'closing=1' INT TERM
fi
source tools/wine-env.sh
tools/wine-prefix.sh

# The program folder: the programs and the styles, always those of the latest build.
mkdir -p "$demo"
for f in build/win/bin/qvtdock.exe build/win/bin/qvtcfg.exe build/win/bin/*.sti; do
    [ -f "$f" ] && cp "$f" "$demo/"
done
user=$(inwine "$helper" user 2>/dev/null | tr -d '\r')
if [ -z "$user" ]; then
    echo "Wine does not tell the user's name; the launcher keeps its data in the program folder."
    data=$demo
else
    data=$demo/$user
fi
if [ ! -e "$data/qvtdock.lst" ] && { [ "$data" = "$demo" ] || [ ! -d "$data" ]; }; then
    mkdir -p "$data"
    build/host/tools/demo/demo_data tools/demo/demo-launcher.txt "$data" \
        "$(winpath "$data")"
    echo "Demo data written into $data"
else
    echo "Keeping the data in $data"
fi

cd "$demo"
setsid wine "$demo/qvtdock.exe" >"$state/wine.log" 2>&1 </dev/null &
launcher=$!
cd "$root"
echo "$DISPLAY" >"$state/display"

if ! inwine "$helper" wait TfmMain 60000 2>/dev/null; then
    if kill -0 "$launcher" 2>/dev/null; then
        echo "The launcher has shown no main window after 60 s; Ctrl+C ends it."
    else
        if wait "$launcher"; then code=0; else code=$?; fi
        launcher=
        echo "The launcher ended at start-up (exit code $code); Wine's output is in build/run/wine.log."
        exit 1
    fi
else
    # The window exists before start-up has registered the hot key: a press that comes too early
    # is lost, and the next one follows only when no window came up.
    shown=0
    for _ in $(seq 10); do
        inwine "$helper" keys Ctrl+Alt+L 2>/dev/null || true
        for _ in $(seq 10); do
            inwine "$helper" visible TfmMain 2>/dev/null && { shown=1; break; }
            sleep 0.1
        done
        [ "$shown" = 1 ] && break
    done
    if [ "$shown" = 1 ]; then
        echo "K+Bandeo runs and is shown: Ctrl+Alt+L, a click on its tray icon or the middle"
        echo "button over the taskbar shows it; Ctrl+Alt+L and a click elsewhere hide it."
    else
        echo "K+Bandeo runs hidden: its window did not come up on the hot key Ctrl+Alt+L."
    fi
fi
if [ "$headless" = 1 ]; then
    sleep 1
    inwine "$helper" picture "$(winpath "$state/desktop.bmp")" \
        2>/dev/null && echo "No display: the desktop's picture is build/run/desktop.bmp."
fi
echo "Ctrl+C or './run.sh --stop' closes it (data and window position are saved)."

code=
while kill -0 "$launcher" 2>/dev/null; do
    if [ "$closing" = 1 ]; then
        closing=2
        echo
        echo "Closing K+Bandeo ..."
        if ! inwine "$helper" close TfmMain 30000 2>/dev/null; then
            echo "It did not close in 30 s; ending it."
            kill "$launcher" 2>/dev/null || true
        fi
    fi
    # The exit code, or early when a signal comes.
    if wait "$launcher" 2>/dev/null; then code=0; else code=$?; fi
done
launcher=
echo "K+Bandeo has ended (exit code $code)."
