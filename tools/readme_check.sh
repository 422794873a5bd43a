#!/usr/bin/env bash
# Runs the commands of the README's set-up, install, package and benchmark
# sections in the README's order, in this checkout, and fails when one of them
# fails or no longer stands in the README word for word (so that the README
# cannot drift from what works). The program is started with LW_RUN_CHECK=1
# (window shown under Xvfb, then ended), the installation is staged with
# DESTDIR, and the benchmarks make short runs. .ci/run calls it right after
# the test command with LW_TESTS_JUST_RAN=1: that command is then only checked
# to stand in the README, not built and run a second time.
set -euo pipefail
cd "$(dirname "$0")/.."

# README command, then what is run for it (empty: the command as written).
checks=(
    "bash tools/run.sh"                             "LW_RUN_CHECK=1 bash tools/run.sh"
    "bash tools/test.sh"                            ""
    "bash tools/install.sh"                         "DESTDIR=$PWD/build-release/stage bash tools/install.sh"
    "cd build-release && cpack -G DEB && cd .."     ""
    "bash tools/bench_projections.sh"               "bash tools/bench_projections.sh --benchmark_min_time=0.01"
    "bash tools/bench_startup.sh"                   "RUNS=2 bash tools/bench_startup.sh"
    "bash tools/bench_window_list.sh"               "LINES=2000 RUNS=1 bash tools/bench_window_list.sh"
    "bash tools/bench_lists.sh"                     "LW_LIST_POINTS_LARGE=4000 LW_LIST_POINTS_SMALL=1000 LW_LIST_RUNS=1 bash tools/bench_lists.sh"
)

for ((i = 0; i < ${#checks[@]}; i += 2)); do
    shown=${checks[i]}
    run=${checks[i + 1]:-$shown}
    if ! grep -qF -- "$shown" README.md; then
        echo "readme check: the README no longer shows: $shown" >&2
        exit 1
    fi
    if [ "$shown" = "bash tools/test.sh" ] && [ "${LW_TESTS_JUST_RAN:-}" = "1" ]; then
        echo "== readme check: $shown (ran just before)"
        continue
    fi
    echo "== readme check: $run"
    (eval "$run") >"readme-check.log" 2>&1 || {
        tail -40 readme-check.log
        echo "readme check: failed: $run" >&2
        exit 1
    }
done
rm -f readme-check.log
echo "readme check: every command of the README ran"
