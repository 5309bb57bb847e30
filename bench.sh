#!/usr/bin/env bash
# Benchmarks, reporting medians of several runs; they assert nothing.
#  - the data file's load and save on an optimised host build (build/bench: -O2, no sanitizers);
#  - the launcher under Wine (in a private Xvfb, with a prefix of its own, build/bench-prefix),
#    each figure on one line "<figure>: median <m> ms, floor <f> ms, <r>x" beside a floor of the
#    same run: start-up to ready (process start to first idle) for a bare Win32 program, the demo
#    data, 10,000 filled and 10,000 empty slots; the return from a data editor that changes
#    nothing; the hot key and a page's first show by its tab, and a page shown before; the close
#    of 10,000 slots (tools/bench/launcher_bench_win.cpp says how each is taken).
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
