#!/usr/bin/env bash
# vesperine's benchmark: builds the program, a minimal C++ program with the same
# flags and the in-process dialogue benchmark, then measures side by side
#   (a) start-up to the first prompt, against the minimal program;
#   (b) the dialogue's own CPU time for one full pass (fixed dice, no waits);
#   (c) peak memory (max RSS), against the minimal program;
#   (d) the wall time of one real full pass with real dice (eleven 1 s waits);
# and prints each figure with its target, PASS or FAIL.
#
#   bench/run.sh [--loop] [--strict] [build directory]
#
# The build directory defaults to build-bench in the source tree. --loop times
# (a) with a shell loop even where hyperfine is installed; --strict makes a
# missed target exit with status 1.
#
# Environment: RUNS (start-up runs of each program, default 300), BUILD_TYPE
# (default RelWithDebInfo, as the project's presets build), CXX (compiler).
# Needs bash 5, cmake, a C++ compiler, libbenchmark-dev and GNU time
# (/usr/bin/time, Debian package time); uses hyperfine for (a) when it is
# installed, else a shell loop.
#
# Exit status: 0 once every figure is measured, whatever the targets say
# (1 with --strict if a target is missed); 2 when a measurement fails.
# Timings depend on the machine and its load: no test asserts them.
set -euo pipefail

strict=0
boucle=0
construction=
for arg in "$@"; do
    case $arg in
        --strict) strict=1 ;;
        --loop) boucle=1 ;;
        -h | --help)
            sed -n '2,24p' "$0" | sed 's/^# \{0,1\}//'
            exit 0
            ;;
        *) construction=$arg ;;
    esac
done

racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${construction:-$racine/build-bench}
# Absolute, since the real pass (d) runs from a directory of its own.
case $construction in
    /*) ;;
    *) construction=$PWD/$construction ;;
esac
runs=${RUNS:-300}
build_type=${BUILD_TYPE:-RelWithDebInfo}

erreur() {
    echo "bench/run.sh: $*" >&2
    exit 2
}

[ -x /usr/bin/time ] || erreur "/usr/bin/time is missing: apt-get install time"
[ -n "${EPOCHREALTIME:-}" ] || erreur "bash 5 or later is needed (EPOCHREALTIME)"
command -v cmake >/dev/null || erreur "cmake is missing: apt-get install cmake"

temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT INT TERM

# ---------------------------------------------------------------- build
echo "Building ($build_type) in $construction ..."
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE="$build_type" \
    -DVESPERINE_BENCH=ON -DVESPERINE_TESTS=OFF >"$temp/configure.log" 2>&1 ||
    { cat "$temp/configure.log" >&2; erreur "configuration failed (libbenchmark-dev installed?)"; }
cmake --build "$construction" -j "$(nproc)" \
    --target vesperine vesperine_minimal vesperine_bench_dialogue >/dev/null ||
    erreur "build failed"

vesperine=$construction/vesperine
minimal=$construction/bench/vesperine_minimal
dialogue=$construction/bench/vesperine_bench_dialogue

# Figures are kept as plain numbers; awk does the arithmetic.
calc() { awk "BEGIN { printf \"%.${2:-3}f\", $1 }"; }
juger() { if awk "BEGIN { exit !($1) }"; then echo PASS; else echo FAIL; fi; }

# Median of the numbers in a file, one a line.
mediane() { sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# ---------------------------------------------------------------- (a)
# With standard input at its end, vesperine writes the banner and the homeworld
# menu, meets the end of input at the first prompt and stops with status 1.
echo "(a) start-up to the first prompt, $runs runs each ..."
# The runs are made in rounds that alternate which program goes first, so that
# a change in the machine's load weighs on both alike; the figure is the median
# of every run of each program.
manches=5
par_manche=$(((runs + manches - 1) / manches))
: >"$temp/a.vesperine"
: >"$temp/a.minimal"
if [ "$boucle" -eq 0 ] && command -v hyperfine >/dev/null; then
    outil_a="hyperfine $(hyperfine --version | awk '{ print $2 }') (no shell)"
    for manche in $(seq "$manches"); do
        if [ $((manche % 2)) -eq 1 ]; then
            set -- "$vesperine" "$minimal"
        else
            set -- "$minimal" "$vesperine"
        fi
        hyperfine -N -i --style none --warmup 10 --runs "$par_manche" --export-json "$temp/a.json" \
            "$@" </dev/null >"$temp/a.log" 2>&1 || { cat "$temp/a.log" >&2; erreur "hyperfine failed"; }
        # Each run's time in seconds, one a line in the "times" array of its command.
        awk -v sortie="$temp/a." '
            /"command":/ { cible = sortie ($0 ~ /vesperine_minimal"/ ? "minimal" : "vesperine") }
            /"times": *\[/ { dans = 1; next }
            dans && /\]/ { dans = 0 }
            dans { gsub(/[ ,]/, ""); printf "%.0f\n", $0 * 1e9 >> cible }' "$temp/a.json"
    done
else
    outil_a="a shell loop timed with EPOCHREALTIME (includes the shell's fork and exec)"
    for manche in $(seq "$manches"); do
        if [ $((manche % 2)) -eq 1 ]; then
            set -- "$vesperine" a.vesperine "$minimal" a.minimal
        else
            set -- "$minimal" a.minimal "$vesperine" a.vesperine
        fi
        for _ in $(seq 10); do
            "$1" </dev/null >/dev/null 2>&1 || true
            "$3" </dev/null >/dev/null 2>&1 || true
        done
        for _ in $(seq "$par_manche"); do
            t0=${EPOCHREALTIME/[.,]/}
            "$1" </dev/null >/dev/null 2>&1 || true
            t1=${EPOCHREALTIME/[.,]/}
            "$3" </dev/null >/dev/null 2>&1 || true
            t2=${EPOCHREALTIME/[.,]/}
            echo $(((t1 - t0) * 1000)) >>"$temp/$2"
            echo $(((t2 - t1) * 1000)) >>"$temp/$4"
        done
    done
fi
a_vesperine=$(calc "$(mediane "$temp/a.vesperine") / 1e6")
a_minimal=$(calc "$(mediane "$temp/a.minimal") / 1e6")
a_runs=$(wc -l <"$temp/a.vesperine")
statut=0
"$vesperine" </dev/null >"$temp/a.out" 2>/dev/null || statut=$?
if [ "$statut" -ne 1 ] || ! grep -q 'Choix:' "$temp/a.out"; then
    erreur "vesperine did not stop at the first prompt with status 1 (status $statut)"
fi

# ---------------------------------------------------------------- (b)
echo "(b) dialogue CPU time, in process (Google Benchmark) ..."
"$dialogue" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$temp/b.json" --benchmark_out_format=json >"$temp/b.log" 2>&1 ||
    { cat "$temp/b.log" >&2; erreur "the dialogue benchmark failed"; }
grep -q '"error_occurred": *true' "$temp/b.json" &&
    { cat "$temp/b.log" >&2; erreur "the dialogue benchmark reported an error"; }
# cpu_time of the median aggregate, in the benchmark's unit (microseconds).
b_us=$(awk -F': *' '
    /"name":/ { median = ($2 ~ /_median"/) }
    median && /"cpu_time":/ { sub(/,$/, "", $2); print $2; exit }' "$temp/b.json")
[ -n "$b_us" ] || erreur "no median cpu_time in the benchmark's output"
grep -q '"time_unit": *"us"' "$temp/b.json" || erreur "unexpected time unit in the benchmark's output"

# ---------------------------------------------------------------- (c) and (d)
# Peak memory: GNU time's maximum resident set size, in KiB.
rss() { /usr/bin/time -f %M -o "$temp/rss" "$@" </dev/null >/dev/null 2>&1 || true; cat "$temp/rss"; }
: >"$temp/c.minimal"
: >"$temp/c.premiere"
for _ in 1 2 3 4 5; do
    rss "$minimal" | tail -n 1 >>"$temp/c.minimal"
    rss "$vesperine" | tail -n 1 >>"$temp/c.premiere"
done
c_minimal=$(mediane "$temp/c.minimal")
c_premiere=$(mediane "$temp/c.premiere")

# One real full pass with the answers of one transcript that saves its sheet
# (Hors-monde, Adepte, every pick 1, a profile, save): eleven dice.
echo "(c, d) one real full pass with real dice (about 11 s) ..."
mkdir "$temp/passe"
reponses=$racine/tests/transcripts/hors_monde_adepte_choix_1/entree.txt
# Timed from this shell without a fork of its own: the figure holds the start
# of GNU time and its fork and exec of vesperine (about a millisecond).
statut=0
cd "$temp/passe"
t0=${EPOCHREALTIME/[.,]/}
/usr/bin/time -f %M -o "$temp/rss.passe" "$vesperine" <"$reponses" >"$temp/passe.out" 2>"$temp/passe.err" ||
    statut=$?
t1=${EPOCHREALTIME/[.,]/}
cd "$racine"
[ "$statut" -eq 0 ] || erreur "the real full pass ended with status $statut: $(cat "$temp/passe.err")"
if ! grep -q 'Points de destins:' "$temp/passe.out" || ! grep -q '3)Quitter' "$temp/passe.out"; then
    erreur "the real full pass did not reach the end menu"
fi
[ "$(find "$temp/passe" -type f -name '*.pdf' | wc -l)" -eq 1 ] || erreur "the real full pass did not save one sheet"
c_passe=$(tail -n 1 "$temp/rss.passe")
c_vesperine=$((c_passe > c_premiere ? c_passe : c_premiere))
d_s=$(calc "($t1 - $t0) / 1e6")

# ---------------------------------------------------------------- report
a_ratio=$(calc "$a_vesperine / $a_minimal" 2)
c_ratio=$(calc "$c_vesperine / $c_minimal" 2)
a_verdict=$(juger "$a_ratio <= 1.5")
b_verdict=$(juger "$b_us < 1000")
c_verdict=$(juger "$c_ratio <= 1.2")
d_verdict=$(juger "$d_s <= 11.05")
echecs=$(printf '%s\n' "$a_verdict" "$b_verdict" "$c_verdict" "$d_verdict" | grep -c FAIL || true)
compilateur=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$construction/CMakeCache.txt")

echo
echo "vesperine benchmark: $build_type, $("$compilateur" --version | head -n 1)"
echo "machine: $(nproc) cores, load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo
printf '%-44s %-34s %-16s %s\n' "figure" "measured" "target" "verdict"
printf '%-44s %-34s %-16s %s\n' "(a) start-up to the first prompt" \
    "$(calc "$a_vesperine" 2) ms vs $(calc "$a_minimal" 2) ms = x$a_ratio" "<= x1.5" "$a_verdict"
printf '%-44s %-34s %-16s %s\n' "(b) dialogue CPU time, one full pass" \
    "$(calc "$b_us" 1) us" "< 1000 us" "$b_verdict"
printf '%-44s %-34s %-16s %s\n' "(c) peak memory (max RSS)" \
    "$c_vesperine KiB vs $c_minimal KiB = x$c_ratio" "<= x1.2" "$c_verdict"
printf '%-44s %-34s %-16s %s\n' "(d) real full pass, wall time" \
    "$d_s s" "<= 11.05 s" "$d_verdict"
echo
echo "(a) median of $a_runs runs each, $outil_a, in $manches rounds alternating which goes first;"
echo "    standard input at its end: vesperine stops at its first prompt with status 1."
echo "(b) Google Benchmark, median CPU time of 5 repetitions: banner to saved sheet, the answers"
echo "    of tests/transcripts/hors_monde_adepte_choix_1, fixed dice, screen in memory; one Createur per pass."
echo "(c) GNU time, maximum resident set size: vesperine's larger of its first prompt"
echo "    (median of 5: $c_premiere KiB) and the full pass ($c_passe KiB); minimal: median of 5."
echo "(d) EPOCHREALTIME around one run under GNU time, the same answers read from their file,"
echo "    saving the sheet: eleven dice, each after a one-second wait."

if [ "$strict" -eq 1 ] && [ "$echecs" -gt 0 ]; then
    exit 1
fi
