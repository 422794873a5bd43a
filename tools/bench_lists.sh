#!/usr/bin/env bash
# Cost per list line of lagewandler-liste against a peer program on the same
# points and the same machine, four tasks in one run (in the benchmark build
# build-bench/):
#   (a) Gauss-Krueger (DHDN, 3° strip 3) to UTM civil (ETRS89)
#       against cs2cs EPSG:31467 EPSG:25832 without grid (northing first for EPSG:31467),
#   (b) decimal degrees (GRS80) to UTM military against GeoConvert -m,
#   (c) decimal degrees in Germany to UTM amtlich (zone prefix)
#       against cs2cs EPSG:4326 EPSG:4647,
#   (d) decimal degrees to degrees, minutes and seconds against cs2cs
#       longlat to longlat with its default degrees-minutes-seconds output.
# Two figures a line each:
#   instructions, the stable one on a machine shared with other work:
#     valgrind --tool=cachegrind --cache-sim=no counts the whole process
#     (every thread) on LW_LIST_POINTS_LARGE lines (200000) and on
#     LW_LIST_POINTS_SMALL lines (20000); the difference divided by the
#     difference of lines leaves out start-up, which a long list does not feel;
#   wall time: the best of LW_LIST_RUNS runs (3) on the large file, start-up
#     included, microseconds a line.
# Before counting, a sample of each peer's results is checked against ours
# (to the displayed metre, to 0.01"), so that both do the same work. Prints
# the ratios peer / ours with the targets; a target missed is printed, not
# an error. A short run: LW_LIST_POINTS_LARGE=20000 LW_LIST_POINTS_SMALL=2000.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target lagewandler-liste >/dev/null

large=${LW_LIST_POINTS_LARGE:-200000}
small=${LW_LIST_POINTS_SMALL:-20000}
runs=${LW_LIST_RUNS:-3}
if [ "$small" -le 0 ] || [ "$large" -le "$small" ]; then
    echo "bench_lists: LW_LIST_POINTS_LARGE ($large) must exceed LW_LIST_POINTS_SMALL ($small) > 0" >&2
    exit 1
fi
sample=$((small < 10000 ? small : 10000))
work=$(mktemp -d /tmp/lagewandler-bench-lists.XXXXXX)
trap 'rm -rf "$work"' EXIT
liste=build-bench/cli/lagewandler-liste
started=$(date +%s)

# cs2cs without a grid: a PROJ data directory holding only the database, so
# that PROJ takes the 7-parameter Helmert shift instead of BeTA2007 for (a),
# and no download or grid file can change what (c) and (d) cost.
mkdir "$work/proj"
for db in /usr/share/proj/proj.db /usr/local/share/proj/proj.db; do
    [ -f "$db" ] && ln -s "$db" "$work/proj/proj.db" && break
done
[ -e "$work/proj/proj.db" ] || { echo "bench_lists: PROJ's proj.db not found" >&2; exit 1; }

# Points (the large files; the small ones are their first lines): eastings
# and northings of strip 3 within Germany and UTM zone 32; latitudes and
# longitudes anywhere UTM is defined; latitudes and longitudes of Germany
# within zone 32, so that UTM amtlich stays in its own zone as EPSG:4647
# does. Our input with hemisphere letters, the peers' with signs, in the
# peer's axis order.
awk -v n="$large" 'BEGIN { srand(25); for (i = 0; i < n; i++)
    printf "%.2f %.2f\n", 3420000 + rand() * 160000, 5280000 + rand() * 770000 }' >"$work/gk.txt"
awk '{ print $2, $1 }' "$work/gk.txt" >"$work/gk-northing-first.txt"
awk -v n="$large" 'BEGIN { srand(26); for (i = 0; i < n; i++) {
    lat = -80 + rand() * 164; lon = -180 + rand() * 360
    printf "%.6f %.6f\n", lat, lon } }' >"$work/geo-signed.txt"
awk -v n="$large" 'BEGIN { srand(27); for (i = 0; i < n; i++) {
    lat = 47.3 + rand() * 7.7; lon = 6.0001 + rand() * 5.9998
    printf "%.6f %.6f\n", lat, lon } }' >"$work/de-signed.txt"
lettered() {
    awk '{ lat = $1; lon = $2
        printf "%s%.6f %s%.6f\n", lat < 0 ? "S" : "N", lat < 0 ? -lat : lat,
               lon < 0 ? "W" : "E", lon < 0 ? -lon : lon }'
}
lettered <"$work/geo-signed.txt" >"$work/geo.txt"
lettered <"$work/de-signed.txt" >"$work/de.txt"
for f in gk gk-northing-first geo-signed geo de-signed de; do
    head -n "$small" "$work/$f.txt" >"$work/$f-small.txt"
done

# The eight programs: input output [wrapper...]; the wrapper (valgrind)
# goes between the environment and the program.
proj_env=(PROJ_DATA="$work/proj" PROJ_NETWORK=OFF)
ours_a() { "${@:3}" "$liste" --von bessel:gk --nach grs80:utm <"$1" >"$2"; }
peer_a() { env "${proj_env[@]}" "${@:3}" cs2cs EPSG:31467 EPSG:25832 <"$1" >"$2"; }
ours_b() { "${@:3}" "$liste" --von grs80:dez --nach grs80:utmmil <"$1" >"$2"; }
peer_b() { "${@:3}" GeoConvert -m <"$1" >"$2"; }
ours_c() { "${@:3}" "$liste" --von grs80:dez --nach grs80:utmamt <"$1" >"$2"; }
peer_c() { env "${proj_env[@]}" "${@:3}" cs2cs EPSG:4326 EPSG:4647 <"$1" >"$2"; }
ours_d() { "${@:3}" "$liste" --von grs80:dez --nach grs80:gms <"$1" >"$2"; }
# cs2cs from geographic to the same geographic coordinates on GRS80: no
# datum shift and no projection, so what it costs is reading the numbers and
# writing them in its default form, degrees, minutes and seconds to 0.001"
# (50d7'24.442"N); -r reads latitude first, -s writes latitude first, as
# our list does. (-f would write decimal numbers instead.)
peer_d() {
    env "${proj_env[@]}" "${@:3}" cs2cs -r -s +proj=longlat +ellps=GRS80 \
        +to +proj=longlat +ellps=GRS80 <"$1" >"$2"
}
# program, its input (without .txt), its output for the checks
programs=(
    ours_a gk ours-a peer_a gk-northing-first peer-a
    ours_b geo ours-b peer_b geo-signed peer-b
    ours_c de ours-c peer_c de-signed peer-c
    ours_d geo ours-d peer_d geo-signed peer-d
)

calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }
lines_ok() { # program output lines
    [ "$(wc -l <"$2")" -eq "$3" ] || { echo "bench_lists: $1: not $3 lines" >&2; return 1; }
}

seconds() { # program input output : wall-clock seconds of one run on the large file
    local start end
    start=$(date +%s.%N)
    "$1" "$work/$2.txt" "$work/$3.txt" || { echo "bench_lists: $1 failed" >&2; return 1; }
    end=$(date +%s.%N)
    lines_ok "$1" "$work/$3.txt" "$large"
    calc "$end - $start"
}

# The eight programs in turn, `runs` rounds; each keeps its best round, so
# that a moment of load from other work on the machine counts for none of them.
declare -A wall
for ((i = 0; i < ${#programs[@]}; i += 3)); do wall[${programs[i]}]=1e9; done
for ((round = 0; round < runs; round++)); do
    for ((i = 0; i < ${#programs[@]}; i += 3)); do
        t=$(seconds "${programs[i]}" "${programs[i + 1]}" "${programs[i + 2]}")
        wall[${programs[i]}]=$(awk "BEGIN { print ($t < ${wall[${programs[i]}]}) ? $t : ${wall[${programs[i]}]} }")
    done
done

abs='function abs(x) { return x < 0 ? -x : x }'
# (a) Agreement to the displayed metre. cs2cs with EPSG codes and no grid
# shifts the datum by 7 parameters, we by Molodensky's 3 (587, 16, 393 m;
# height 300 m): the check gives cs2cs the same shift, the same projections.
head -n "$sample" "$work/gk.txt" | awk '{ print $1, $2, 300 }' |
    cs2cs -f %.3f +proj=tmerc +lat_0=0 +lon_0=9 +k=1 +x_0=3500000 +y_0=0 +ellps=bessel \
        +towgs84=587,16,393 +to +proj=utm +zone=32 +ellps=GRS80 +towgs84=0,0,0 \
        >"$work/cs2cs-same-shift.txt"
head -n "$sample" "$work/ours-a.txt" | paste -d' ' - "$work/cs2cs-same-shift.txt" |
    awk "$abs"'
        { if (abs($2 - $4) >= 1 || abs($3 - $5) >= 1) bad++ }
        END { printf "agreement (a) cs2cs (same shift): %d of %d points to the metre\n", NR - bad, NR
              exit bad > 0 }'
paste -d' ' "$work/ours-a.txt" "$work/peer-a.txt" | awk "$abs"'
    { d = abs($2 - $4); if (abs($3 - $5) > d) d = abs($3 - $5); if (d > m) m = d }
    END { printf "    cs2cs EPSG:31467 EPSG:25832 (7-parameter shift) lies up to %.1f m from our Molodensky shift\n", m }'
# (b) MGRS "32UNU7159565251" against our pairs "32U NU 76.15.52.95.51": the
# same square, easting and northing digits at most 1 m apart (both name the
# square's south-west corner; our series lies within millimetres of the
# exact projection, so a metre border may fall between them).
head -n "$sample" "$work/ours-b.txt" | paste -d' ' - <(head -n "$sample" "$work/peer-b.txt") |
    awk "$abs"'
        { gsub(/\./, "", $3); e = ""; n = ""
          for (i = 1; i <= 10; i += 2) { e = e substr($3, i, 1); n = n substr($3, i + 1, 1) }
          ref = $1 $2; peer = $4
          if (substr(peer, 1, length(ref)) != ref) { bad++; next }
          pe = substr(peer, length(ref) + 1, 5); pn = substr(peer, length(ref) + 6, 5)
          if (abs(e - pe) > 1 || abs(n - pn) > 1) bad++ }
        END { printf "agreement (b) GeoConvert -m: %d of %d points to the metre\n", NR - bad, NR
              exit bad > NR / 1000 }'
# (c) Easting with the zone prefix and northing, to the displayed metre
# (both write centimetres).
head -n "$sample" "$work/ours-c.txt" | paste -d' ' - <(head -n "$sample" "$work/peer-c.txt") |
    awk "$abs"'
        { d = abs($1 - $3); if (abs($2 - $4) > d) d = abs($2 - $4); if (d > m) m = d
          if (d >= 1) bad++ }
        END { printf "agreement (c) cs2cs EPSG:4326 EPSG:4647: %d of %d points to the metre (up to %.3f m apart)\n",
                     NR - bad, NR, m
              exit bad > 0 }'
# (d) Degrees, minutes and seconds: the peer's 0.001" against our display,
# the same hemispheres and the same angle to 0.01".
head -n "$sample" "$work/ours-d.txt" | paste -d' ' - <(head -n "$sample" "$work/peer-d.txt") |
    awk "$abs"'
        # "N50 07 24.44" (three fields) into signed seconds
        function ours(h, m, s) { return (h ~ /^[SW]/ ? -1 : 1) * (substr(h, 2) * 3600 + m * 60 + s) }
        # degrees, minutes and seconds with their marks and the hemisphere
        # after them (minutes and seconds left out when zero) into signed seconds
        function peer(t,   sign, v, i) {
            sign = t ~ /[SW]$/ ? -1 : 1; v = 0
            i = index(t, "d"); v += substr(t, 1, i - 1) * 3600; t = substr(t, i + 1)
            if ((i = index(t, q)) > 0) { v += substr(t, 1, i - 1) * 60; t = substr(t, i + 1) }
            if ((i = index(t, dq)) > 0) v += substr(t, 1, i - 1)
            return sign * v }
        BEGIN { q = sprintf("%c", 39); dq = sprintf("%c", 34) }
        { d = abs(ours($1, $2, $3) - peer($7)); e = abs(ours($4, $5, $6) - peer($8))
          if (e > d) d = e; if (d > m) m = d
          if (d > 0.01) bad++ }
        END { printf "agreement (d) cs2cs longlat: %d of %d points to 0.01 s of arc (up to %.4f s apart)\n",
                     NR - bad, NR, m
              exit bad > 0 }'

# Instructions of one whole run (every thread) under cachegrind.
instructions() { # program input output lines
    "$1" "$work/$2.txt" "$work/$3.txt" valgrind --tool=cachegrind --cache-sim=no \
        --cachegrind-out-file="$work/cachegrind.out" 2>"$work/valgrind.log" ||
        { cat "$work/valgrind.log" >&2; echo "bench_lists: $1 under valgrind failed" >&2; return 1; }
    lines_ok "$1" "$work/$3.txt" "$4"
    awk '/^summary:/ { print $2 }' "$work/cachegrind.out"
}
declare -A per_line
for ((i = 0; i < ${#programs[@]}; i += 3)); do
    p=${programs[i]} in=${programs[i + 1]}
    n_large=$(instructions "$p" "$in" cg-large "$large")
    n_small=$(instructions "$p" "$in-small" cg-small "$small")
    per_line[$p]=$(calc "($n_large - $n_small) / ($large - $small)")
done

echo
echo "instructions a line: whole process under cachegrind, $large lines minus $small lines;"
echo "wall time: best of $runs runs on $large lines, start-up included"
printf "%-58s %12s %10s\n" "" "instr/line" "us/line"
row() { # label program
    printf "  %-56s %12.0f %10.3f\n" "$1" "${per_line[$2]}" "$(calc "${wall[$2]} * 1000000 / $large")"
}
ratio() { # ours peer target
    printf "  %-56s %12.2f %10.2f  (target ≥ %s)\n" "ratio peer / ours" \
        "$(calc "${per_line[$2]} / ${per_line[$1]}")" "$(calc "${wall[$2]} / ${wall[$1]}")" "$3"
}
echo "(a) Gauß-Krüger -> UTM zivil"
row "lagewandler-liste --von bessel:gk --nach grs80:utm" ours_a
row "cs2cs EPSG:31467 EPSG:25832 (no grid)" peer_a
ratio ours_a peer_a 4
echo "(b) Grad dezimal -> UTM militärisch"
row "lagewandler-liste --von grs80:dez --nach grs80:utmmil" ours_b
row "GeoConvert -m" peer_b
ratio ours_b peer_b 10
echo "(c) Grad dezimal -> UTM amtlich (Deutschland, Zone 32)"
row "lagewandler-liste --von grs80:dez --nach grs80:utmamt" ours_c
row "cs2cs EPSG:4326 EPSG:4647" peer_c
ratio ours_c peer_c 4
echo "(d) Grad dezimal -> Grad/Minuten/Sekunden"
row "lagewandler-liste --von grs80:dez --nach grs80:gms" ours_d
row "cs2cs -r -s +proj=longlat +to +proj=longlat (GRS80)" peer_d
ratio ours_d peer_d 4
echo "ran $(($(date +%s) - started)) s (after the build)"
