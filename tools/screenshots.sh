#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots/ from a real X server: the
# selection screen, both help panels and the calculation screen, on a
# 1024 x 768, a 1920 x 1080 and a 3840 x 2160 display, on 1920 x 1080 at 200 %
# (QT_SCALE_FACTOR=2), and once more on 1920 x 1080 under a dark desktop
# palette (files ending in -1024x768, -1920x1080, -3840x2160,
# -1920x1080-200prozent, -dunkel), and the list of points on 1024 x 768 under
# the dark palette (-1024x768-dunkel).
#
#   bash tools/screenshots.sh BUILD_DIR [--all] [OUT_DIR]
#
# BUILD_DIR must hold a build of the target lw_ui_screenshots (this script
# builds nothing). --all adds the calculation screen with every other mask.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:?usage: tools/screenshots.sh BUILD_DIR [--all] [OUT_DIR]}"
shift
all=()
if [[ "${1:-}" == "--all" ]]; then
    all=(--all)
    shift
fi
out="${1:-$root/docs/screenshots}"
helper="$build/tests/ui/lw_ui_screenshots"
[[ -x "$helper" ]] || { echo "missing $helper: build the target lw_ui_screenshots" >&2; exit 1; }
mkdir -p "$out"
unset QT_QPA_PLATFORM
shoot() { # SIZE SUFFIX [EXTRA...]
    local size="$1" suffix="$2"
    shift 2
    xvfb-run -a -s "-screen 0 ${size}x24" "$helper" "$out" "--suffix=$suffix" "$@" "${all[@]}"
}
shoot 1024x768 -1024x768
shoot 1920x1080 -1920x1080
shoot 3840x2160 -3840x2160
QT_SCALE_FACTOR=2 shoot 1920x1080 -1920x1080-200prozent
shoot 1920x1080 -dunkel --dark
shoot 1024x768 -1024x768-dunkel --dark --list-only
