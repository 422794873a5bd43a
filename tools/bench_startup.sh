#!/usr/bin/env bash
# Start-up benchmark: starts Lagewandler and a minimal Qt window (one
# maximized empty window, bench/minimal_window.cpp) alternately on a private
# Xvfb display, RUNS times each (10 by default), and prints the median time
# from the fork of the process to its first top-level window being mapped and
# exposed on the X server, and the peak resident memory 300 ms later, once
# start-up has settled (bench/window_timer.c), with the ratios Lagewandler /
# minimal window. Then times one "Berechnung" (bench/calculation_bench.cpp)
# and the line that says where its point lies (bench/places_bench.cpp).
# Built in the benchmark build build-bench/ (BENCH_BUILD=DIR for another).
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${RUNS:-10}"
build="${BENCH_BUILD:-build-bench}"
bash tools/setup.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target lagewandler lw_minimal_window lw_window_timer \
    lw_bench_calculation lw_bench_places >/dev/null

work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# -displayfd: Xvfb picks a free display and writes its number when ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"

timer="$build/bench/lw_window_timer"
for _ in $(seq "$runs"); do
    # "map expose kib" per line; a run without a window is left out.
    "$timer" "$build"/app/lagewandler 2>/dev/null >>"$work/app" || true
    "$timer" "$build"/bench/lw_minimal_window 2>/dev/null >>"$work/minimal" || true
done
grep -qv nowindow "$work/app" && grep -qv nowindow "$work/minimal" ||
    { echo "bench_startup: no window was measured" >&2; exit 1; }

python3 - "$work/app" "$work/minimal" "$runs" <<'PY'
import sys, statistics as s
def runs(path):
    rows = [l.split() for l in open(path) if l.strip() and l.strip() != "nowindow"]
    return [float(r[1]) * 1000 for r in rows], [float(r[2]) / 1024 for r in rows]
at, am = runs(sys.argv[1])
mt, mm = runs(sys.argv[2])
print(f"({sys.argv[3]} runs)                  median       min       max")
for name, v, unit in (("start-up, Lagewandler", at, "ms"), ("start-up, minimal window", mt, "ms"),
                      ("peak memory, Lagewandler", am, "MiB"), ("peak memory, minimal", mm, "MiB")):
    print(f"{name:26} {s.median(v):7.1f} {unit:3} {min(v):7.1f} {max(v):7.1f}")
print(f"ratio start-up time  {s.median(at) / s.median(mt):.2f} (target <= 1.20)")
print(f"ratio peak memory    {s.median(am) / s.median(mm):.2f} (target <= 1.20)")
PY

QT_QPA_PLATFORM=offscreen "$build"/bench/lw_bench_calculation
"$build"/bench/lw_bench_places
