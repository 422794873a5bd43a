#!/usr/bin/env bash
# Installs what is missing, builds Lagewandler (Release, in build-release/) and
# starts it. With LW_RUN_CHECK=1 it starts the program on a private Xvfb
# display instead, checks that its window appears within 20 s and ends it
# (this is how CI checks this command; exit 0 when the window appeared).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target lagewandler lagewandler-liste
if [ "${LW_RUN_CHECK:-0}" != 1 ]; then
    exec ./build-release/app/lagewandler
fi
# The X server of xvfb-run is at times not yet reachable when the program
# connects under load (Qt then says "could not connect to display"); only
# that is tried again, with a fresh server. Any other end without a window
# fails at once.
for attempt in 1 2 3; do
    log=$(mktemp)
    # shellcheck disable=SC2016 # expanded by the inner shell
    if xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
        ./build-release/app/lagewandler 2>"$0" & app=$!
        for _ in $(seq 200); do
            if xwininfo -root -tree | grep -q "\"Lagewandler"; then
                echo "run check: the Lagewandler window is shown"; kill $app; exit 0
            fi
            kill -0 $app 2>/dev/null || { echo "run check: the program ended without a window" >&2; exit 1; }
            sleep 0.1
        done
        echo "run check: no Lagewandler window within 20 s" >&2; kill $app; exit 1' "$log"; then
        rm -f "$log"
        exit 0
    fi
    cat "$log" >&2
    if ! grep -q "could not connect to display" "$log"; then
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
    echo "run check: the display was not reachable (attempt $attempt), trying again" >&2
    sleep 1
done
exit 1
