#!/usr/bin/env bash
# Byte-for-byte comparison of two builds of lagewandler-liste: standard
# output, standard error and exit status, for every input notation × output
# notation × ellipsoid pair the program offers (with and without --amtlich
# where it applies), on random points written in the input notation by the
# reference program itself, and on the same lines garbled (a character
# changed, dropped or added, a part cut off or repeated, an identifier in
# front, blanks, a tab or two between the parts) so that refusals are
# compared as well as results.
#
#   tools/sameness.sh OLD_LISTE NEW_LISTE [LINES_PER_TASK]
#
# LINES_PER_TASK (default 3000) lines go into each of the 413 tasks: the
# default compares about 1.2 million lines. Prints the tasks and lines
# compared and every task that differed (with the first differing lines);
# exit status 1 when any did.
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
lines=${3:-3000}
work=$(mktemp -d /tmp/lagewandler-sameness.XXXXXX)
trap 'rm -rf "$work"' EXIT

notations_of() {
    case "$1" in
    grs80) echo "dez gm gms utm utmmil utmref utmamt" ;;
    bessel) echo "dez gm gms gk" ;;
    hayford) echo "dez gm gms utm utmmil utmref" ;;
    esac
}
ellipsoids="grs80 bessel hayford"

# Points: half anywhere on the globe, half in and around Germany (where
# Gauss-Krueger, UTM amtlich and the official transformation apply).
awk -v n="$lines" 'BEGIN { srand(31)
    for (i = 0; i < n; i++) {
        if (i % 2) { lat = -85 + rand() * 174; lon = -180 + rand() * 360 }
        else { lat = 46.5 + rand() * 9; lon = 4.5 + rand() * 12 }
        printf "%s%.*f %s%.*f\n", lat < 0 ? "S" : "N", 1 + int(rand() * 9), lat < 0 ? -lat : lat,
               lon < 0 ? "W" : "E", 1 + int(rand() * 9), lon < 0 ? -lon : lon } }' >"$work/points"

# Garbles every fourth line in one of several ways; the others stay as the
# reference wrote them.
garble() {
    awk -v seed="$1" 'BEGIN { srand(seed); chars = "0123456789.,;- NSEWOUX\"°'"'"'" }
    function pick() { return substr(chars, 1 + int(rand() * length(chars)), 1) }
    {
        line = $0
        if (NR % 4 == 0 && length(line) > 0) {
            k = int(rand() * 10); p = 1 + int(rand() * length(line))
            if (k == 0) line = substr(line, 1, p - 1) pick() substr(line, p + 1)
            else if (k == 1) line = substr(line, 1, p - 1) substr(line, p + 1)
            else if (k == 2) line = substr(line, 1, p) pick() substr(line, p + 1)
            else if (k == 3) { n = split(line, part, " "); line = part[1]; for (i = 2; i < n; i++) line = line " " part[i] }
            else if (k == 4) line = line " " int(rand() * 1000)
            else if (k == 5) line = "P" NR " " line
            else if (k == 6) line = "  " line "\t"
            else if (k == 7) sub(/ /, "\t", line)
            else if (k == 8) sub(/ /, "\t\t", line)
            else line = NR ";" line
        }
        print line
    }'
}

tasks=0
compared=0
differed=0
seed=1
for from in $ellipsoids; do
    for input in $(notations_of "$from"); do
        # The points in the input notation, as the reference writes them.
        "$old" --von "$from:dez" --nach "$from:$input" <"$work/points" 2>/dev/null |
            grep -v 'FEHLER' | garble $((seed++)) >"$work/in" || true
        for to in $ellipsoids; do
            for output in $(notations_of "$to"); do
                variants=("")
                if { [ "$from" = bessel ] && [ "$to" = grs80 ]; } ||
                    { [ "$from" = grs80 ] && [ "$to" = bessel ]; }; then
                    variants+=("--amtlich")
                fi
                # Chosen zones and strips, the own one for some points and a
                # neighbour or an impossible one for others.
                if [ "$output" = utmamt ]; then
                    variants+=("--zone 32" "--zone 33")
                elif [ "$output" = gk ]; then
                    variants+=("--streifen 9" "--streifen 12")
                fi
                for variant in "${variants[@]}"; do
                    args=(--von "$from:$input" --nach "$to:$output" $variant)
                    rc_old=0 rc_new=0
                    "$old" "${args[@]}" <"$work/in" >"$work/out.old" 2>"$work/err.old" || rc_old=$?
                    "$new" "${args[@]}" <"$work/in" >"$work/out.new" 2>"$work/err.new" || rc_new=$?
                    tasks=$((tasks + 1))
                    compared=$((compared + $(wc -l <"$work/in")))
                    if [ "$rc_old" != "$rc_new" ] || ! cmp -s "$work/out.old" "$work/out.new" ||
                        ! cmp -s "$work/err.old" "$work/err.new"; then
                        differed=$((differed + 1))
                        echo "DIFFERS: ${args[*]} (exit $rc_old / $rc_new)"
                        diff "$work/out.old" "$work/out.new" | head -6 || true
                        diff "$work/err.old" "$work/err.new" | head -6 || true
                    fi
                done
            done
        done
    done
done
echo "sameness: $tasks tasks, $compared lines compared, $differed tasks differed"
[ "$differed" -eq 0 ]
