#!/usr/bin/env bash
# A list of 100,000 points in the calculation screen (bench/window_list_bench.cpp):
# the time from the text handed over to every row converted, shown and the
# view painted (best and median of RUNS runs, 3 by default), for points in
# Germany and anywhere on the earth, and the memory
# the list takes a line beyond its texts. On the offscreen platform, in the
# benchmark build build-bench/ (BENCH_BUILD=DIR for another); LINES=N for
# another number of lines.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BENCH_BUILD:-build-bench}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target lw_bench_window_list >/dev/null
for where in deutschland weltweit; do
    QT_QPA_PLATFORM=offscreen "$build/bench/lw_bench_window_list" "${LINES:-100000}" "${RUNS:-3}" "$where" 2>/dev/null
done
