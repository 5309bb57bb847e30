#!/usr/bin/env bash
# Benchmarks, reporting medians of several runs; they assert nothing.
#  - the data file's load and save on an optimised host build (build/bench: -O2, no sanitizers);
#  - the launcher's start-up to ready under Wine (in a private Xvfb, with a prefix of its own,
#    build/bench-prefix), from its process start to its first idle message loop, for the demo
#    data and for a data file of 10,000 slots;
#  - the launcher's trigger to window visible under Wine: the demo's hot key pressed by real input
#    until the hidden window is visible.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
[ -f build/bench/build.ninja ] || cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build build/bench --target lst_bench
build/bench/tools/bench/lst_bench

tools/build.sh >/dev/null
if [ ! -f build/win/bin/qvtdock.exe ]; then
    echo "No launcher built (build/win/bin/qvtdock.exe): its start-up is not measured."
    exit 0
fi
export KB_WINEPREFIX=$PWD/build/bench-prefix
source tools/xvfb-session.sh
source tools/wine-session.sh
winpath() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }
wine build/win/tools/bench/launcher_bench.exe "$(winpath build/win/bin)" \
    "$(winpath tools/demo/demo-launcher.txt)" </dev/null
