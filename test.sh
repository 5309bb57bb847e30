#!/usr/bin/env bash
# Installs what is missing, builds both targets and runs every test: the portable tests natively
# under the sanitizers, the Windows tests under Wine in a private Xvfb.
#   ./test.sh                   the whole run
#   ./test.sh --build-only      install and build, run nothing
#   ./test.sh --filter PATTERN  install and build, then run only the test cases that match
#                               PATTERN, a GoogleTest filter (e.g. 'TfmMain*:Method.*'), in both
#                               trees; the fuzz corpus replays are left out
set -euo pipefail
cd "$(dirname "$0")"
filter=
if [ "${1:-}" = "--filter" ]; then
    if [ -z "${2:-}" ]; then
        echo "usage: $0 [--build-only | --filter PATTERN]" >&2
        exit 2
    fi
    filter=$2
fi
tools/deps.sh
tools/build.sh
[ "${1:-}" = "--build-only" ] && exit 0
source tools/xvfb-session.sh
source tools/wine-session.sh
if [ -n "$filter" ]; then
    # ctest runs whole test programs: each runs only its matching cases (none is a pass), Wine
    # passes the variable on. The corpus replays are no GoogleTest programs.
    GTEST_FILTER=$filter ctest --test-dir build --output-on-failure -j "$(nproc)" -E '^fuzz_corpus_'
else
    # On a loaded machine Wine's shell now and then takes the focus or a pointer move back after a
    # GUI test's program asked for it; a test program that fails runs once more, so a fault must
    # fail twice, and both runs' output stays in the log.
    ctest --test-dir build --output-on-failure -j "$(nproc)" --repeat until-pass:2
fi
