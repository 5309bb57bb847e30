#!/usr/bin/env bash
# Configures and builds both trees: build/host (portable code and its tests under the sanitizers)
# and build/win (the programs and every Windows test, cross-compiled with mingw-w64).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
[ -f build/host/build.ninja ] || cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKB_SANITIZE=ON >/dev/null
[ -f build/win/build.ninja ] || cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/host
cmake --build build/win
# One ctest run over both trees, so the whole run ends with one summary line.
printf 'subdirs("host" "win")\n' > build/CTestTestfile.cmake
