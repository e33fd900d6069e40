#!/usr/bin/env bash
# vesperine's benchmark: four figures beside their targets, each a median.
#   (a) start-up to the first prompt, against bench/minimal.cpp built alike:
#       hyperfine, RUNS (1100) runs of each in 11 rounds alternating the order;
#   (b) peak memory (GNU time's max RSS, no address randomisation), against it:
#       11 runs, vesperine making and saving tests/transcripts/graine_2026;
#   (c) the dialogue's own CPU time for a whole pass, in process, fixed dice:
#       bench_dialogue.cpp (Google Benchmark), 5 repetitions;
#   (d) characters drawn at random: --hasard --graine 2026 with NOMS (1000)
#       names, its wall time and its max RSS beside the dialogue's of (b):
#       3 runs, each saving every sheet.
#   bench/run.sh [build directory]          (default: build-bench/ in the sources)
# A configured directory is rebuilt from its own sources, so another checkout's
# build is measured alike. Needs libbenchmark-dev, hyperfine and time. Exit
# status 0 whatever the targets (timings depend on the load), 2 on a failure.
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$(realpath -m "${1:-$racine/build-bench}")
runs=${RUNS:-1100}
noms=${NOMS:-1000}
graine=$racine/tests/transcripts/graine_2026
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
erreur() { echo "bench/run.sh: $*" >&2; exit 2; }
# Runs a command with its output in $temp/log, shown if it fails.
sans_bruit() { "$@" >"$temp/log" 2>&1 </dev/null || { cat "$temp/log" >&2; erreur "failed: $*"; }; }
fixe=(setarch "$(uname -m)" -R)  # the same pages at every run
mediane() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
command -v hyperfine >/dev/null || erreur "needs hyperfine (Debian package)"
[ -x /usr/bin/time ] || erreur "needs GNU time (Debian package time)"

[ -f "$construction/CMakeCache.txt" ] ||
    sans_bruit cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESPERINE_TESTS=OFF
sans_bruit cmake "$construction" -DVESPERINE_BENCH=ON
sans_bruit cmake --build "$construction" -j 2 --target vesperine vesperine_minimal vesperine_bench_dialogue
vesperine=$construction/vesperine
minimal=$construction/bench/vesperine_minimal

# (a) Standard input at its end: vesperine writes its banner and first menu,
# meets the end at the first prompt and stops with status 1.
echo "(a) start-up, $runs runs of each ..." && statut=0
"$vesperine" </dev/null >"$temp/a.txt" 2>&1 || statut=$?
if [ "$statut" -ne 1 ] || ! grep -q 'Choix:' "$temp/a.txt"; then erreur "vesperine does not stop at its prompt"; fi
for manche in $(seq 11); do
    ordre=("$vesperine" "$minimal")
    if [ $((manche % 2)) -eq 0 ]; then ordre=("$minimal" "$vesperine"); fi
    sans_bruit hyperfine -N -i --style none --warmup 20 --runs $((runs >= 22 ? runs / 11 : 2)) \
        --export-csv "$temp/a.csv" "${ordre[@]}"
    # One row a command: command,mean,stddev,median,... in seconds.
    awk -F, -v v="$vesperine" 'NR > 1 { m[$1 == v] = $4 * 1000 }
        END { printf "%.3f %.3f %.3f\n", m[1], m[0], m[1] / m[0] }' "$temp/a.csv" >>"$temp/a.manches"
done
for i in 1 2 3; do a[i]=$(cut -d ' ' -f "$i" "$temp/a.manches" | mediane); done

# (b) Maximum resident set size in KiB; the pass runs in a directory of its own,
# emptied after each run, and must save one sheet.
echo "(b) peak memory, 11 runs of each ..."
mkdir "$temp/passe"
for _ in $(seq 11); do
    if ! (cd "$temp/passe" && "${fixe[@]}" /usr/bin/time -f %M -o ../rss "$vesperine" --graine 2026 \
        <"$graine/entree.txt" >/dev/null 2>&1) || [ ! -f "$temp/passe/$(ls "$graine/fiches")" ]; then
        erreur "the pass of graine_2026 failed or saved no sheet"
    fi
    rm -f "$temp/passe"/* && tail -n 1 "$temp/rss" >>"$temp/b.vesperine"
    sans_bruit "${fixe[@]}" /usr/bin/time -f %M -o "$temp/rss" "$minimal" && tail -n 1 "$temp/rss" >>"$temp/b.minimal"
done
b=("$(mediane <"$temp/b.vesperine")" "$(mediane <"$temp/b.minimal")")
b[2]=$(awk "BEGIN { printf \"%.3f\", ${b[0]} / ${b[1]} }")

# (c) The console report's median line: name, time, unit, CPU time, unit, iterations.
echo "(c) dialogue CPU time, 5 repetitions ..."
sans_bruit "$construction/bench/vesperine_bench_dialogue" --benchmark_repetitions=5 --benchmark_min_time=0.2 \
    --benchmark_report_aggregates_only=true --benchmark_color=false
read -r c unite < <(awk '$1 ~ /_median$/ { print $4, $5; exit }' "$temp/log") || true
if [ "${unite:-}" != us ] || grep -q 'ERROR OCCURRED' "$temp/log"; then
    cat "$temp/log" >&2 && erreur "no median CPU time in microseconds from the dialogue benchmark"
fi

# (d) Wall time in seconds and max RSS in KiB of one batch, in a directory of
# its own emptied after each run; every name must have its sheet. A build that
# has no --hasard (an older checkout's) shows no figure.
d=(- - -)
if "$vesperine" --hasard --help >/dev/null 2>&1; then
    echo "(d) --hasard with $noms names, 3 runs ..."
    mkdir "$temp/lot"
    mapfile -t liste < <(seq -f 'N%g' "$noms")
    for _ in 1 2 3; do
        if ! (cd "$temp/lot" && "${fixe[@]}" /usr/bin/time -f '%e %M' -o ../rss \
            "$vesperine" --hasard --graine 2026 "${liste[@]}" >/dev/null 2>&1) || [ "$(ls "$temp/lot" | wc -l)" -ne "$noms" ]; then
            erreur "--hasard with $noms names failed or did not save every sheet"
        fi
        rm -f "$temp/lot"/* && tail -n 1 "$temp/rss" >>"$temp/d"
    done
    d=("$(cut -d ' ' -f 1 "$temp/d" | mediane)" "$(cut -d ' ' -f 2 "$temp/d" | mediane)")
    d[2]=$(awk "BEGIN { printf \"%.3f\", ${d[1]} / ${b[0]} }")
fi

ligne() { printf '%-38s %10s %10s %6s %7s  %s\n' "$@"; }
verdict() { awk "BEGIN { print ($1) ? \"PASS\" : \"FAIL\" }"; }
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$construction/CMakeCache.txt")
printf '\n%s (%s), %s cores, load %s\n' "$construction" "${type:-RelWithDebInfo}" "$(nproc)" \
    "$(cut -d ' ' -f 1-3 /proc/loadavg)"
ligne figure vesperine minimal ratio target verdict
ligne "(a) start-up to first prompt (ms)" "${a[1]}" "${a[2]}" "${a[3]}" "<= 1.5" "$(verdict "${a[3]} <= 1.5")"
ligne "(b) peak memory, max RSS (KiB)" "${b[0]}" "${b[1]}" "${b[2]}" "<= 1.2" "$(verdict "${b[2]} <= 1.2")"
ligne "(c) dialogue CPU time, one pass (us)" "$c" - - "< 1000" "$(verdict "$c < 1000")"
cible=$(awk "BEGIN { print $noms / 100 }")  # 10 ms a character, its save synced included
if [ "${d[0]}" = - ]; then
    ligne "(d) --hasard: not in this build" - - - - -
else
    ligne "(d) --hasard, $noms names: time (s)" "${d[0]}" - - "< $cible" "$(verdict "${d[0]} < $cible")"
    ligne "(d) --hasard, $noms names: RSS/(b) (KiB)" "${d[1]}" "${b[0]}" "${d[2]}" "<= 1.2" "$(verdict "${d[2]} <= 1.2")"
fi
