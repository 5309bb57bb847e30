#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests or the demo need and is missing.
set -euo pipefail
packages=(
    cmake ninja-build g++ g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 fonts-wine xvfb xauth xdotool
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
    googletest
    clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
