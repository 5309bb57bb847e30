# Sourced after the display is up: one persistent wineserver for the whole run, with Wine's
# services and the virtual desktop already running, so each test program starts fast.
"$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
wineserver -p
wine wineboot >/dev/null 2>&1 </dev/null
(wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 </dev/null &)
