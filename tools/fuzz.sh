#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60) with its dictionary (fuzz/<target>.dict). The named
# seeds in fuzz/corpus/ stay as they are: each run first minimises the seeds
# and what earlier runs found into a working corpus in the build folder
# (build-fuzz/corpus/<target>), then fuzzes into that one.
# A long run: bash tools/fuzz.sh 3600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash tools/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLW_FUZZ=ON -DLW_WITH_UI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"
for target in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    seeds="fuzz/corpus/${name#fuzz_}"
    dict="fuzz/${name#fuzz_}.dict"
    work="build-fuzz/corpus/${name#fuzz_}"
    merged="$work.merged"
    log="build-fuzz/$name.log"
    mkdir -p "$work"
    rm -rf "$merged" && mkdir -p "$merged"
    echo "== $name: ${seconds} s"
    rc=0
    "$target" -merge=1 -max_len=512 "$merged" "$work" "$seeds" >"$log" 2>&1 || rc=$?
    if [ "$rc" -eq 0 ]; then
        rm -rf "$work" && mv "$merged" "$work"
        "$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=512 -dict="$dict" \
            "$work" >>"$log" 2>&1 || rc=$?
    fi
    grep -E 'stat::number_of_executed_units|ERROR|invariant|SUMMARY' "$log" || true
    if [ "$rc" -ne 0 ]; then
        tail -40 "$log"
        exit "$rc"
    fi
done
