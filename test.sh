#!/usr/bin/env bash
# Installs what is missing, builds both targets and runs every test: the portable tests natively
# under the sanitizers, the Windows tests under Wine in a private Xvfb.
#   ./test.sh               the whole run
#   ./test.sh --build-only  install and build, run nothing
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
tools/build.sh
[ "${1:-}" = "--build-only" ] && exit 0
source tools/xvfb-session.sh
source tools/wine-session.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
