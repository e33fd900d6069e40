#!/usr/bin/env bash
# Builds the two fuzz targets with clang++, replays the seeds of each, then
# fuzzes each for a bounded time and prints the executions and coverage:
#   fuzz_dialogue  the creation dialogue's input; seeded with the answers of every
#                  transcript (tests/transcripts/*/entree.txt) and the few inputs
#                  of corpus/ that no transcript has;
#   fuzz_fiche     a file of sheets, read back and drawn; seeded with every sheet
#                  file of the transcripts (tests/transcripts/*/fiches/*), turned
#                  back into the Windows-1252 bytes the program wrote.
#
#   tests/fuzz/run.sh [seconds [build-dir]]    (defaults: 60 for each target, build-fuzz/ of the repository)
#
# Needs cmake, clang++ and libFuzzer (Debian: clang libclang-rt-dev). Fuzzing
# works on a temporary copy of the seeds, which stay as they are. Exits non-zero on
# any crash, timeout, leak or sanitizer report; the input that caused it is kept
# under <build-dir>/fuzz-artefacts/.
set -euo pipefail

secondes="${1:-60}"
if ! [[ "$secondes" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds [build-dir]]" >&2
  exit 2
fi

racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="${2:-$racine/build-fuzz}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
corpus="$racine/tests/fuzz/corpus"
artefacts="$build/fuzz-artefacts"

travail="$(mktemp -d "${TMPDIR:-/tmp}/vesperine-fuzz-corpus-XXXXXX")"
trap 'rm -rf "$travail"' EXIT

echo "== Configure ($build)"
cmake -S "$racine" -B "$build" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVESPERINE_FUZZ=ON \
  -DVESPERINE_TESTS=OFF >/dev/null

echo "== Build"
cmake --build "$build" --target fuzz_dialogue fuzz_fiche -j "$(nproc)"
mkdir -p "$artefacts"

# Any of these in a log is a failure, whatever the exit status says.
rapports='ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:|SUMMARY: |\[fuzz_(dialogue|fiche)\] |ALARM: working on the last Unit'

mkdir "$travail/dialogue" "$travail/fiche" "$travail/tmp"
for entree in "$racine"/tests/transcripts/*/entree.txt; do
  cp "$entree" "$travail/dialogue/transcript_$(basename "$(dirname "$entree")")"
done
cp "$corpus"/* "$travail/dialogue/"
n=0
for fiche in "$racine"/tests/transcripts/*/fiches/*; do
  if [ -f "$fiche" ]; then
    n=$((n + 1))
    # A character Windows-1252 lacks is dropped: a seed need not be a sheet.
    iconv -c -f UTF-8 -t WINDOWS-1252 <"$fiche" >"$travail/fiche/fiche_$n" || true
  fi
done
# The dialogue makes its sheet directory under TMPDIR: here, so that the trap
# removes it even when a crash left it behind.
export TMPDIR="$travail/tmp"

# fuzzer <target> <seed directory>: replays the seeds, then fuzzes for $secondes s.
fuzzer() {
  local cible="$build/tests/fuzz/$1" graines=("$2"/*) journal_rejeu="$travail/$1-rejeu.log" journal_fuzz="$travail/$1.log"
  echo "== $1: replay of the seeds (${#graines[@]} inputs)"
  local statut=0
  "$cible" -runs=0 -timeout=5 -artifact_prefix="$artefacts/" "${graines[@]}" >"$journal_rejeu" 2>&1 || statut=$?
  local rejouees
  rejouees="$(grep -c '^Executed ' "$journal_rejeu" || true)"
  if [ "$statut" -ne 0 ] || grep -Eq "$rapports" "$journal_rejeu" || [ "$rejouees" -ne "${#graines[@]}" ]; then
    cat "$journal_rejeu"
    echo "== FAILED: replay of the seeds of $1 (status $statut, $rejouees of ${#graines[@]} inputs done)" >&2
    exit 1
  fi
  echo "all $rejouees inputs ran without a report"

  echo "== $1: fuzzing for $secondes s"
  statut=0
  "$cible" "$2" -max_total_time="$secondes" -timeout=5 -print_final_stats=1 \
    -artifact_prefix="$artefacts/" >"$journal_fuzz" 2>&1 || statut=$?
  if [ "$statut" -ne 0 ] || grep -Eq "$rapports" "$journal_fuzz"; then
    cat "$journal_fuzz"
    echo "== FAILED: fuzzing $1 (status $statut); reproducer in $artefacts/" >&2
    ls -l "$artefacts" >&2
    exit 1
  fi

  echo "== $1: figures"
  grep -E '^#[0-9]+[[:space:]]+INITED' "$journal_fuzz" | tail -n 1 | sed 's/^/seed corpus: /'
  grep -E '^#[0-9]+[[:space:]]+DONE' "$journal_fuzz" | tail -n 1 | sed 's/^/end:         /'
  grep -E '^stat::' "$journal_fuzz"
}

fuzzer fuzz_dialogue "$travail/dialogue"
fuzzer fuzz_fiche "$travail/fiche"
