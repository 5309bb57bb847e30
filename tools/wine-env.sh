# Sourced by the Wine helpers: the private prefix of this checkout and a quiet Wine.
KB_ROOT=${KB_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${KB_WINEPREFIX:-$KB_ROOT/build/wineprefix}
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs, and no menu entries or file associations on the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's recycle bin is the XDG trash: keep it inside the build, so that tests which delete into it
# or empty it never touch the user's own.
export XDG_DATA_HOME=$KB_ROOT/build/wine-xdg
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
