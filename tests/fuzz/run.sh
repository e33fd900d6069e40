#!/usr/bin/env bash
# Builds the fuzz target of the creation dialogue with clang++, replays the seed
# corpus, then fuzzes for a bounded time and prints the executions and coverage.
# The seeds are the answers of every transcript (tests/transcripts/*/entree.txt)
# and the few inputs of corpus/ that no transcript has.
#
#   tests/fuzz/run.sh [seconds [build-dir]]    (defaults: 60, build-fuzz/ of the repository)
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
cmake --build "$build" --target fuzz_dialogue -j "$(nproc)"
cible="$build/tests/fuzz/fuzz_dialogue"
mkdir -p "$artefacts"

# Any of these in a log is a failure, whatever the exit status says.
rapports='ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error:|SUMMARY: |\[fuzz_dialogue\] |ALARM: working on the last Unit'

journal_rejeu="$travail/rejeu.log"
journal_fuzz="$travail/fuzz.log"
mkdir "$travail/corpus" "$travail/tmp"
for entree in "$racine"/tests/transcripts/*/entree.txt; do
  cp "$entree" "$travail/corpus/transcript_$(basename "$(dirname "$entree")")"
done
cp "$corpus"/* "$travail/corpus/"
# The target makes its sheet directory under TMPDIR: here, so that the trap
# removes it even when a crash left it behind.
export TMPDIR="$travail/tmp"

graines=("$travail/corpus"/*)
echo "== Replay of the seed corpus (${#graines[@]} inputs)"
statut=0
"$cible" -runs=0 -timeout=5 -artifact_prefix="$artefacts/" "${graines[@]}" >"$journal_rejeu" 2>&1 || statut=$?
rejouees="$(grep -c '^Executed ' "$journal_rejeu" || true)"
if [ "$statut" -ne 0 ] || grep -Eq "$rapports" "$journal_rejeu" || [ "$rejouees" -ne "${#graines[@]}" ]; then
  cat "$journal_rejeu"
  echo "== FAILED: replay of the seed corpus (status $statut, $rejouees of ${#graines[@]} inputs done)" >&2
  exit 1
fi
echo "all $rejouees inputs ran without a report"

echo "== Fuzzing for $secondes s"
statut=0
"$cible" "$travail/corpus" \
  -max_total_time="$secondes" -timeout=5 -print_final_stats=1 \
  -artifact_prefix="$artefacts/" >"$journal_fuzz" 2>&1 || statut=$?
if [ "$statut" -ne 0 ] || grep -Eq "$rapports" "$journal_fuzz"; then
  cat "$journal_fuzz"
  echo "== FAILED: fuzzing (status $statut); reproducer in $artefacts/" >&2
  ls -l "$artefacts" >&2
  exit 1
fi

echo "== Figures"
grep -E '^#[0-9]+[[:space:]]+INITED' "$journal_fuzz" | tail -n 1 | sed 's/^/seed corpus: /'
grep -E '^#[0-9]+[[:space:]]+DONE' "$journal_fuzz" | tail -n 1 | sed 's/^/end:         /'
grep -E '^stat::' "$journal_fuzz"
