# Sourced: starts a private Xvfb for this shell and stops it (and the wineserver) on exit.
xvfb_dir=$(mktemp -d)
# In a session of its own, so that Ctrl+C reaches the script, which stops it on its way out.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$xvfb_dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$xvfb_dir/display")"
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kb_stop_session() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$xvfb_dir"
}
trap kb_stop_session EXIT
