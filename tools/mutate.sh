#!/usr/bin/env bash
# Mutation testing: applies each single-point mutation of tools/mutations.tsv,
# one at a time, to a copy of the tree, builds it incrementally and runs the
# unit and scenario tests. A mutant is killed when the build's tests fail (or
# time out); it survives when they all pass. Prints the score and every
# survivor. Takes long; not part of CI.
#
#   tools/mutate.sh [FILTER]
#
# FILTER (an extended regular expression) keeps only the table rows matching
# it, e.g. tools/mutate.sh geodesy/mgrs.cpp.
#
# Environment: MUTATE_WORK (folder for the copy and its build, default
# /tmp/lagewandler-mutate), MUTATE_JOBS (default 2), MUTATE_TIMEOUT (seconds
# per test, default 60), MUTATE_TABLE (default tools/mutations.tsv).
#
# Table rows: file <TAB> exact text of one line <TAB> replacement [<TAB> note].
# The text must occur exactly once in the file; a row whose text no longer
# occurs is reported "stale", one whose text occurs more than once
# "ambiguous": both need the table mended. A note beginning with
# "equivalent:" names a mutant that no test can kill, with the reason; such a
# survivor does not count against the score.
set -uo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
table="${MUTATE_TABLE:-$top/tools/mutations.tsv}"
work="${MUTATE_WORK:-/tmp/lagewandler-mutate}"
jobs="${MUTATE_JOBS:-2}"
timeout="${MUTATE_TIMEOUT:-60}"
filter="${1:-}"
src="$work/src"
build="$work/build"

export QT_QPA_PLATFORM=offscreen
export CCACHE_BASEDIR="$work"

# The copy takes over only files whose content differs, with a fresh time
# stamp, so that an earlier build of the copy stays valid where it can.
sync_copy() {
    mkdir -p "$src"
    (cd "$top" && find . -path ./.git -prune -o -path './build*' -prune -o -type f -print) |
        while IFS= read -r f; do
            if ! cmp -s "$top/$f" "$src/$f"; then
                mkdir -p "$(dirname "$src/$f")"
                cp "$top/$f" "$src/$f"
            fi
        done
}

sync_copy

build_tree() {
    cmake --build "$build" -j"$jobs" >"$work/build.log" 2>&1
}

run_tests() {
    # A hanging test counts as a failure: the overall limit is generous.
    timeout $((timeout * 10)) ctest --test-dir "$build" -j"$jobs" --timeout "$timeout" \
        --stop-on-failure >"$work/test.log" 2>&1
}

# Replaces the one occurrence of $2 in file $1 by $3; exit status 3 when the
# text does not occur, 4 when it occurs more than once.
apply_mutation() {
    MUT_FILE="$1" MUT_FROM="$2" MUT_TO="$3" python3 - <<'EOF'
import os, sys
path, old, new = os.environ["MUT_FILE"], os.environ["MUT_FROM"], os.environ["MUT_TO"]
text = open(path, encoding="utf-8").read()
count = text.count(old)
if count == 0:
    sys.exit(3)
if count > 1:
    sys.exit(4)
open(path, "w", encoding="utf-8").write(text.replace(old, new, 1))
EOF
}

# ccache where it is installed (apt-get install ccache): each mutant then
# rebuilds only what its file touches. Without it the builds are plain.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
        >"$work/configure.log" 2>&1 || {
        echo "configure failed, see $work/configure.log"
        exit 2
    }
fi
echo "baseline: building and testing the unmutated copy"
if ! build_tree || ! run_tests; then
    echo "the unmutated tree does not pass its tests, see $work/build.log and $work/test.log"
    exit 2
fi

killed=0 survived=0 equivalent=0 stale=0 unbuildable=0 row=0
survivors=()
while IFS=$'\t' read -r file pattern replacement note || [ -n "$file" ]; do
    [ -z "$file" ] && continue
    case "$file" in \#*) continue ;; esac
    row=$((row + 1))
    line="$file	$pattern	$replacement	${note:-}"
    if [ -n "$filter" ] && ! grep -qE -- "$filter" <<<"$line"; then
        continue
    fi
    label="#$row $file: '$pattern' -> '$replacement'"
    target="$src/$file"
    if [ ! -f "$target" ]; then
        echo "stale       $label (file gone)"
        stale=$((stale + 1))
        continue
    fi
    cp -p "$target" "$work/original"
    apply_mutation "$target" "$pattern" "$replacement"
    status=$?
    if [ $status -ne 0 ]; then
        [ $status -eq 4 ] && word=ambiguous || word=stale
        printf '%-11s %s\n' "$word" "$label"
        stale=$((stale + 1))
        continue
    fi
    if ! build_tree; then
        echo "unbuildable $label"
        unbuildable=$((unbuildable + 1))
    elif run_tests; then
        if [[ "${note:-}" == equivalent:* ]]; then
            echo "equivalent  $label ($note)"
            equivalent=$((equivalent + 1))
        else
            echo "SURVIVED    $label${note:+ ($note)}"
            survived=$((survived + 1))
        fi
        survivors+=("$label${note:+ — $note}")
    else
        failed=$(grep -m1 -E '\*\*\*(Failed|Timeout)|Exception' "$work/test.log" | sed 's/ \.\.\.*.*//;s/^ *//')
        echo "killed      $label by ${failed:-a failing test}"
        killed=$((killed + 1))
    fi
    # Back to the original text with a fresh time stamp, so that the next
    # build recompiles the file (from ccache).
    cp "$work/original" "$target"
    touch "$target"
done <"$table"
build_tree >/dev/null 2>&1

counted=$((killed + survived))
echo
echo "killed $killed, survived $survived, equivalent $equivalent, stale $stale, unbuildable $unbuildable"
if [ $counted -gt 0 ]; then
    echo "mutation score: $((100 * killed / counted)) % ($killed of $counted, equivalent mutants left out)"
fi
if [ ${#survivors[@]} -gt 0 ]; then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
fi
[ $stale -eq 0 ] && [ $survived -eq 0 ]
