#!/usr/bin/env bash
# Installs what is missing, builds the Release build (build-release/, the one
# tools/run.sh uses) and installs the program, its desktop entry, icon and
# AppStream metainfo under PREFIX (default /usr/local). Not root, it installs
# with sudo. DESTDIR=DIR stages the installation in DIR instead (no root).
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="${PREFIX:-/usr/local}"
bash tools/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
as_root=()
if [ "$(id -u)" -ne 0 ] && [ -z "${DESTDIR:-}" ]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        echo "install: not root and sudo is not usable without a password; as root run: cmake --install $PWD/build-release --prefix $prefix" >&2
        exit 1
    fi
    as_root=(sudo -n)
fi
"${as_root[@]}" cmake --install build-release --prefix "$prefix"
