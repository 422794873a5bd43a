#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60), starting from the seed corpus in fuzz/corpus/.
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
    corpus="fuzz/corpus/${name#fuzz_}"
    work="build-fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work"
    echo "== $name: ${seconds} s"
    rc=0
    "$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=512 "$work" "$corpus" \
        >"build-fuzz/$name.log" 2>&1 || rc=$?
    grep -E 'stat::number_of_executed_units|ERROR|invariant|SUMMARY' "build-fuzz/$name.log" || true
    if [ "$rc" -ne 0 ]; then
        tail -40 "build-fuzz/$name.log"
        exit "$rc"
    fi
done
