#!/usr/bin/env bash
# Fuzzes every parser of outside data (tests/fuzz/<name>_fuzz.cpp) with clang's libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, each target over a scratch copy of its corpus
# tests/fuzz/<name>/, in parallel up to nproc (or FUZZ_JOBS) processes.
#   ./fuzz.sh [SECONDS]   fuzz each target SECONDS (default 60); exits non-zero on any failure
#   ./fuzz.sh --merge     shrink each corpus to the inputs that add coverage (names kept, and
#                         every finding-*.bin kept as the regression input it is)
# To keep an input a run found, copy it from build/fuzz/run/<name>/corpus/ into tests/fuzz/<name>/
# and merge. A failure leaves its reproducer in build/fuzz/run/<name>/; replay it with
# build/fuzz/tests/fuzz/fuzz_<name> <file> (or, natively, build/host/tests/fuzz/fuzz_<name>).
#
# The build is build/fuzz, configured with -DKB_FUZZ=ON: the portable libraries and the targets
# only. Our literals are code-page-932 text, which g++ makes with -fexec-charset=CP932; clang has no
# such option, so that build compiles copies of the sources whose narrow literals tools/escape has
# rewritten as the code page's bytes in octal escapes, converted by the same C library codec g++
# uses (and tested against g++ in the host build). The code under test is thus the programs' own.
#
# Each input must end without a crash, leak or undefined behaviour, within 256 MB and within
# 100 ms of processor time (tests/fuzz/Engine.cpp; -timeout catches a hang), and keep what its
# target checks (round trips).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
mode=fuzz seconds=60
case "${1:-}" in
--merge) mode=merge ;;
'') ;;
*[!0-9]* | 0)
    echo "usage: ./fuzz.sh [SECONDS] | --merge" >&2
    exit 2
    ;;
*) seconds=$1 ;;
esac

tools/deps.sh
[ -f build/fuzz/build.ninja ] || cmake -S . -B build/fuzz -G Ninja -DKB_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build build/fuzz

# A small quarantine, so that the memory limit measures what the parser holds, not what ASan
# keeps of freed blocks to find uses after free.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=16}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Targets over file readers write a scratch file per input (and the settings file syncs it): in
# memory when the system has a tmpfs, so that the disk does not set the pace.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
limits=(-rss_limit_mb=256 -malloc_limit_mb=256 -timeout=2)
targets=()
for src in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$src" _fuzz.cpp)
    targets+=("$name")
done
run=build/fuzz/run

# Processor time an input may take. The data file's loader accepts, by design, page counts that
# add up to 100,000 empty slots from a few bytes; under the sanitizers allocating and freeing them
# alone takes 60 to 120 ms, so the two data-file targets get more.
time_limit_ms() {
    case $1 in
    lst_text | lst_older) echo 300 ;;
    *) echo 100 ;;
    esac
}

# Merges the corpus into an empty folder, then keeps the corpus files whose contents survived
# (libFuzzer names its copies by SHA-1) and the findings.
merge_one() {
    local name=$1 corpus=tests/fuzz/$1 out=$run/$1/merged
    rm -rf "$out" && mkdir -p "$out"
    FUZZ_TIME_LIMIT_MS=$(time_limit_ms "$name") \
        "build/fuzz/tests/fuzz/fuzz_$name" -merge=1 "${limits[@]}" "$out" "$corpus" \
        >"$run/$name/merge.log" 2>&1 || {
        echo "target $name: merge FAILED (see $run/$name/merge.log)"
        return 1
    }
    local kept=0 dropped=0
    for f in "$corpus"/*; do
        if [[ $(basename "$f") == finding-* ]] || [ -e "$out/$(sha1sum <"$f" | cut -d' ' -f1)" ]; then
            kept=$((kept + 1))
        else
            rm "$f"
            dropped=$((dropped + 1))
        fi
    done
    echo "target $name: kept $kept, dropped $dropped ($(du -sh "$corpus" | cut -f1))"
}

fuzz_one() {
    local name=$1 dir=$run/$1
    rm -rf "$dir" && mkdir -p "$dir/corpus"
    cp -r "tests/fuzz/$name/." "$dir/corpus/" 2>/dev/null || true
    local status=0
    FUZZ_TIME_LIMIT_MS=$(time_limit_ms "$name") \
        "build/fuzz/tests/fuzz/fuzz_$name" "${limits[@]}" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$dir/" "$dir/corpus" >"$dir/log" 2>&1 || status=$?
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n1)
    if [ "$status" -eq 0 ]; then
        echo "target $name: clean (${runs:-0} runs)" >"$dir/result"
    else
        local repro
        repro=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$dir/log" | tail -n1)
        echo "target $name: FAILED ${repro:-$dir/log (no reproducer; see the log)}" >"$dir/result"
    fi
}

mkdir -p "$run"
jobs=${FUZZ_JOBS:-$(nproc)}
failed=0
if [ "$mode" = merge ]; then
    for name in "${targets[@]}"; do
        mkdir -p "$run/$name"
        merge_one "$name" || failed=1
    done
    exit $failed
fi
for name in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    fuzz_one "$name" &
done
wait
for name in "${targets[@]}"; do
    cat "$run/$name/result"
    grep -q ': clean' "$run/$name/result" || failed=1
done
[ "$failed" -eq 0 ] || echo "logs: $root/$run/<name>/log"
exit $failed
