#!/usr/bin/env bash
# Projection speed against PROJ (Google Benchmark; docs/performance.md), in
# the benchmark build build-bench/. Arguments go to the benchmark, e.g.
# --benchmark_min_time=0.01 for a short run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target lw_bench_projections
build-bench/bench/lw_bench_projections "$@"
