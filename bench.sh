#!/usr/bin/env bash
# Benchmarks the data file's load and save on an optimised host build (build/bench: -O2, no
# sanitizers). A benchmark only: it reports, it asserts nothing.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
[ -f build/bench/build.ninja ] || cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build build/bench --target lst_bench
build/bench/tools/bench/lst_bench
