# Sourced by the Wine helpers: the private prefix of this checkout and a quiet Wine.
KB_ROOT=${KB_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${KB_WINEPREFIX:-$KB_ROOT/build/wineprefix}
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs, and no menu entries or file associations on the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
