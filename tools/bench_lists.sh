#!/usr/bin/env bash
# Throughput of lagewandler-liste against its peers on the same points and
# the same machine, in one run (in the benchmark build build-bench/):
#   one million Gauss-Krueger points (DHDN, 3° strip 3) to UTM civil (ETRS89)
#     against cs2cs EPSG:31467 EPSG:25832 without grid (northing first for EPSG:31467),
#   one million decimal-degree points (GRS80) to UTM military
#     against GeoConvert -m.
# Before timing, a sample of each peer's results is checked against ours to
# the displayed digit (1 m), so that the three do the same work. Prints the
# microseconds per line and the ratios peer / ours (throughput ours / peer).
# Each program runs LW_LIST_RUNS times (3) and keeps its best time.
# LW_LIST_POINTS=N for another number of points (a short run: 20000).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLW_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target lagewandler-liste >/dev/null

points=${LW_LIST_POINTS:-1000000}
sample=$((points < 10000 ? points : 10000))
work=$(mktemp -d /tmp/lagewandler-bench-lists.XXXXXX)
trap 'rm -rf "$work"' EXIT
liste=build-bench/cli/lagewandler-liste

# cs2cs without a grid: a PROJ data directory holding only the database, so
# that PROJ takes the 7-parameter Helmert shift instead of BeTA2007.
mkdir "$work/proj"
for db in /usr/share/proj/proj.db /usr/local/share/proj/proj.db; do
    [ -f "$db" ] && ln -s "$db" "$work/proj/proj.db" && break
done
[ -e "$work/proj/proj.db" ] || { echo "bench_lists: PROJ's proj.db not found" >&2; exit 1; }

# Points: eastings and northings of strip 3 within Germany and UTM zone 32;
# latitudes and longitudes anywhere UTM is defined. Our input with
# hemisphere letters, the peers' with signs, the peer's axis order.
awk -v n="$points" 'BEGIN { srand(25); for (i = 0; i < n; i++)
    printf "%.2f %.2f\n", 3420000 + rand() * 160000, 5280000 + rand() * 770000 }' >"$work/gk.txt"
awk '{ print $2, $1 }' "$work/gk.txt" >"$work/gk-northing-first.txt"
awk -v n="$points" 'BEGIN { srand(26); for (i = 0; i < n; i++) {
    lat = -80 + rand() * 164; lon = -180 + rand() * 360
    printf "%.6f %.6f\n", lat, lon } }' >"$work/geo-signed.txt"
awk '{ lat = $1; lon = $2
    printf "%s%.6f %s%.6f\n", lat < 0 ? "S" : "N", lat < 0 ? -lat : lat,
           lon < 0 ? "W" : "E", lon < 0 ? -lon : lon }' "$work/geo-signed.txt" >"$work/geo.txt"

calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }

seconds() { # command output : wall-clock seconds of one run, which must give a line a point
    local start end
    start=$(date +%s.%N)
    "$1" || { echo "bench_lists: $1 failed" >&2; return 1; }
    end=$(date +%s.%N)
    [ "$(wc -l <"$2")" -eq "$points" ] || { echo "bench_lists: $1: not $points lines" >&2; return 1; }
    calc "$end - $start"
}

# The four programs in turn, `runs` rounds; each keeps its best round, so
# that a moment of load from other work on the machine counts for none of them.
runs=${LW_LIST_RUNS:-3}
best() { awk "BEGIN { print ($1 < $2) ? $1 : $2 }"; }

run_ours_gk() { "$liste" --von bessel:gk --nach grs80:utm <"$work/gk.txt" >"$work/ours-gk.txt"; }
run_cs2cs() {
    PROJ_DATA="$work/proj" PROJ_NETWORK=OFF cs2cs EPSG:31467 EPSG:25832 \
        <"$work/gk-northing-first.txt" >"$work/cs2cs.txt"
}
run_ours_geo() { "$liste" --von grs80:dez --nach grs80:utmmil <"$work/geo.txt" >"$work/ours-geo.txt"; }
run_geoconvert() { GeoConvert -m <"$work/geo-signed.txt" >"$work/geoconvert.txt"; }

t_ours_gk=1e9 t_cs2cs=1e9 t_ours_geo=1e9 t_geoconvert=1e9
for ((round = 0; round < runs; round++)); do
    t=$(seconds run_ours_gk "$work/ours-gk.txt")
    t_ours_gk=$(best "$t_ours_gk" "$t")
    t=$(seconds run_cs2cs "$work/cs2cs.txt")
    t_cs2cs=$(best "$t_cs2cs" "$t")
    t=$(seconds run_ours_geo "$work/ours-geo.txt")
    t_ours_geo=$(best "$t_ours_geo" "$t")
    t=$(seconds run_geoconvert "$work/geoconvert.txt")
    t_geoconvert=$(best "$t_geoconvert" "$t")
done

# Agreement to the displayed metre. cs2cs with EPSG codes and no grid shifts
# the datum by 7 parameters, we by Molodensky's 3 (587, 16, 393 m; height
# 300 m): the check gives cs2cs the same shift, the same projections.
head -n "$sample" "$work/gk.txt" | awk '{ print $1, $2, 300 }' |
    cs2cs -f %.3f +proj=tmerc +lat_0=0 +lon_0=9 +k=1 +x_0=3500000 +y_0=0 +ellps=bessel \
        +towgs84=587,16,393 +to +proj=utm +zone=32 +ellps=GRS80 +towgs84=0,0,0 \
        >"$work/cs2cs-same-shift.txt"
head -n "$sample" "$work/ours-gk.txt" | paste -d' ' - "$work/cs2cs-same-shift.txt" |
    awk -v what="cs2cs (same shift)" '
        function abs(x) { return x < 0 ? -x : x }
        { if (abs($2 - $4) >= 1 || abs($3 - $5) >= 1) bad++ }
        END { printf "agreement %s: %d of %d points to the metre\n", what, NR - bad, NR
              exit bad > 0 }'
paste -d' ' "$work/ours-gk.txt" "$work/cs2cs.txt" | awk '
    function abs(x) { return x < 0 ? -x : x }
    { d = abs($2 - $4); if (abs($3 - $5) > d) d = abs($3 - $5); if (d > m) m = d }
    END { printf "cs2cs EPSG:31467 EPSG:25832 (7-parameter shift) lies up to %.1f m from our Molodensky shift\n", m }'
# MGRS "32UNU7159565251" against our pairs "32U NU 76.15.52.95.51": the
# same square, easting and northing digits at most 1 m apart (both name the
# square's south-west corner; our series lies within millimetres of the
# exact projection, so a metre border may fall between them).
head -n "$sample" "$work/ours-geo.txt" | paste -d' ' - <(head -n "$sample" "$work/geoconvert.txt") |
    awk '
        function abs(x) { return x < 0 ? -x : x }
        { gsub(/\./, "", $3); e = ""; n = ""
          for (i = 1; i <= 10; i += 2) { e = e substr($3, i, 1); n = n substr($3, i + 1, 1) }
          ref = $1 $2; peer = $4
          if (substr(peer, 1, length(ref)) != ref) { bad++; next }
          pe = substr(peer, length(ref) + 1, 5); pn = substr(peer, length(ref) + 6, 5)
          if (abs(e - pe) > 1 || abs(n - pn) > 1) bad++ }
        END { printf "agreement GeoConvert -m: %d of %d points to the metre\n", NR - bad, NR
              exit bad > NR / 1000 }'

report() { # name seconds
    printf "%-34s %8.3f s  %6.3f us/line\n" "$1" "$2" "$(calc "$2 * 1000000 / $points")"
}
echo "$points points each, best of $runs runs"
report "lagewandler-liste gk -> utm" "$t_ours_gk"
report "cs2cs EPSG:31467 EPSG:25832" "$t_cs2cs"
report "lagewandler-liste dez -> utmmil" "$t_ours_geo"
report "GeoConvert -m" "$t_geoconvert"
printf "ratio cs2cs / lagewandler-liste:       %.2f (target >= 3)\n" "$(calc "$t_cs2cs / $t_ours_gk")"
printf "ratio GeoConvert / lagewandler-liste:  %.2f (target >= 3)\n" "$(calc "$t_geoconvert / $t_ours_geo")"
