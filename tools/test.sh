#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test on Qt's
# offscreen platform. With --sanitize the same suite runs in a separate build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DLW_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

if [ "${CI:-}" = "true" ]; then
    flags+=(-DLW_WERROR=ON)
fi

export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
