# Sourced after the display is up: one persistent wineserver for the whole run, with Wine's
# services and the virtual desktop already running, so each test program starts fast.
"$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
wineserver -p
wine wineboot >/dev/null 2>&1 </dev/null
(wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 </dev/null &)
# A program that starts before the desktop's X window exists can ask the X server about a window
# it does not know yet and die of the error: wait for it.
for _ in $(seq 300); do
    xdotool search --name ' - Wine desktop$' >/dev/null 2>&1 && break
    sleep 0.1
done
