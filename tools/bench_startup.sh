#!/usr/bin/env bash
# Start-up benchmark: starts Lagewandler and a minimal Qt window (one
# maximized empty window, built in the same tree) alternately under a real X
# server, RUNS times each, and prints the time from process start to the first
# paint of the window and the peak memory at that moment: median, min, max and
# the ratios Lagewandler / minimal window.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${RUNS:-15}"
bash tools/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target lagewandler lw_minimal_window lw_bench_calculation >/dev/null

display=":97"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1

measure() { # program -> "milliseconds kib"
    local start out
    start=$(date +%s%N)
    out=$(DISPLAY="$display" QT_QPA_PLATFORM=xcb LW_STARTUP_PROBE=1 "$1")
    local paint rss
    paint=$(sed -n 's/^first-paint-ns //p' <<<"$out")
    rss=$(sed -n 's/^peak-rss-kib //p' <<<"$out")
    echo "$(( (paint - start) / 1000 )) $rss"
}

declare -a app_t app_m min_t min_m
for _ in $(seq "$runs"); do
    read -r t m < <(measure build-bench/bench/lw_minimal_window); min_t+=("$t"); min_m+=("$m")
    read -r t m < <(measure build-bench/app/lagewandler); app_t+=("$t"); app_m+=("$m")
done

div() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

stats() { # values... -> "median min max"
    sort -n | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2; print m, v[1], v[NR]}'
}
read -r at_med at_min at_max < <(printf '%s\n' "${app_t[@]}" | stats)
read -r mt_med mt_min mt_max < <(printf '%s\n' "${min_t[@]}" | stats)
read -r am_med am_min am_max < <(printf '%s\n' "${app_m[@]}" | stats)
read -r mm_med mm_min mm_max < <(printf '%s\n' "${min_m[@]}" | stats)

printf '%-26s %12s %12s %12s\n' "($runs runs)" median min max
printf '%-26s %9.1f ms %9.1f ms %9.1f ms\n' "start-up, Lagewandler" \
    "$(div "$at_med" 1000)" "$(div "$at_min" 1000)" "$(div "$at_max" 1000)"
printf '%-26s %9.1f ms %9.1f ms %9.1f ms\n' "start-up, minimal window" \
    "$(div "$mt_med" 1000)" "$(div "$mt_min" 1000)" "$(div "$mt_max" 1000)"
printf '%-26s %9d KiB %8d KiB %8d KiB\n' "peak memory, Lagewandler" "$am_med" "$am_min" "$am_max"
printf '%-26s %9d KiB %8d KiB %8d KiB\n' "peak memory, minimal" "$mm_med" "$mm_min" "$mm_max"
printf 'ratio start-up time  %.2f (target <= 1.20)\n' "$(div "$at_med" "$mt_med")"
printf 'ratio peak memory    %.2f (target <= 1.20)\n' "$(div "$am_med" "$mm_med")"
