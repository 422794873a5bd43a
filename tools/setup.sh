#!/usr/bin/env bash
# Installs the Debian packages every command of the README needs (build, run,
# tests, install, Debian package, benchmarks) and the German locale the locale
# tests use. Safe to run again: it installs only what is missing. Not root, it
# uses sudo; without a usable sudo it stops at once and says what to install.
# apt's output goes to a log that is shown only when a step fails.
set -euo pipefail

packages=(
    build-essential cmake pkg-config file
    qt6-base-dev qt6-translations-l10n libxkbcommon-dev libxcb1-dev libfontconfig-dev
    libcanberra0 sound-theme-freedesktop
    fonts-liberation2 locales
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libproj-dev proj-data libgeographiclib-dev
    proj-bin geographiclib-tools valgrind
    xvfb xauth x11-utils
    clang libclang-rt-dev clang-format
    desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
need_locale=0
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=1
[ "${#missing[@]}" -eq 0 ] && [ "$need_locale" -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        what="apt-get install ${missing[*]}"
        [ "$need_locale" -eq 1 ] && what="$what, and enable de_DE.UTF-8 in /etc/locale.gen and run locale-gen"
        echo "setup: not root and sudo is not usable without a password; as root run: $what" >&2
        exit 1
    fi
    as_root=(sudo -n)
fi

log=$(mktemp /tmp/lagewandler-setup.XXXXXX.log)
step() { # description command... : one line per step, the log only on failure
    echo "setup: $1"
    if ! "${@:2}" >>"$log" 2>&1; then
        echo "setup: failed: $1 (log $log):" >&2
        tail -30 "$log" >&2
        exit 1
    fi
}

if [ "${#missing[@]}" -gt 0 ]; then
    step "apt-get update" "${as_root[@]}" apt-get update -qq
    step "installing ${missing[*]}" "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$need_locale" -eq 1 ]; then
    step "enabling de_DE.UTF-8" "${as_root[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        step "adding de_DE.UTF-8" "${as_root[@]}" sh -c "echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen"
    step "generating the locale" "${as_root[@]}" locale-gen
fi
rm -f "$log"
