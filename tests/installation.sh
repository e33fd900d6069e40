#!/bin/sh
# Installs the built program into a temporary prefix and checks that the program
# and its manual page are where a game's are (games, man6), that the installed
# program is the one built and gives the project's version, that it finds its
# printing module where it was installed (a sheet printed from a sheet file of
# the transcripts), and that man renders the page without a warning. The Debian package is built and checked once per
# CI run, by outils/paquet-debian.sh, not here: this test stays well under a second.
#
#   sh tests/installation.sh <build directory> <version> [configuration]
#
# Needs cmake and man (Debian package man-db, which brings groff-base);
# outils/paquets.txt lists them for the test run. A missing tool fails the test
# and names the package to install.
set -eu

usage="usage: installation.sh <build directory> <version> [configuration]"
construction=${1:?$usage}
version=${2:?$usage}
configuration=${3:-}
sources=$(cd "$(dirname "$0")/.." && pwd)

echec() {
    echo "FAILED: $*" >&2
    exit 1
}

outil() {
    command -v "$1" >/dev/null 2>&1 ||
        echec "the command $1 is missing: install the Debian package $2 (apt-get install $2)"
}

outil cmake cmake
outil man man-db
outil groff groff-base

temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT INT TERM

# 1. Installation into a temporary prefix.
set -- --install "$construction" --prefix "$temp/prefixe"
if [ -n "$configuration" ]; then
    set -- "$@" --config "$configuration"
fi
cmake "$@" >"$temp/install.log" 2>&1 || {
    cat "$temp/install.log" >&2
    echec "cmake --install failed"
}

programme="$temp/prefixe/games/vesperine"
page="$temp/prefixe/share/man/man6/vesperine.6.gz"
[ -x "$programme" ] || echec "program missing or not executable: games/vesperine"
[ -f "$page" ] || echec "manual page missing: share/man/man6/vesperine.6.gz"
echo "installed: games/vesperine and share/man/man6/vesperine.6.gz"

# The installed program is the one that was built: stdin at its end, it stops
# at the first prompt with status 1; its version is the project's.
statut=0
"$programme" </dev/null >"$temp/sortie" 2>"$temp/erreurs" || statut=$?
[ "$statut" -eq 1 ] || echec "the installed program returned $statut instead of 1 on empty input"
grep -q 'VESPERINE GENERATOR' "$temp/sortie" || echec "the installed program does not write its banner"
[ "$("$programme" --version)" = "vesperine $version" ] ||
    echec "vesperine --version does not give \"vesperine $version\""
# The printing module is loaded from where it was installed, relative to the program.
mkdir "$temp/impression"
# Transcripts keep their sheets in UTF-8; the program reads Windows-1252.
iconv -f UTF-8 -t WINDOWS-1252 "$sources/tests/transcripts/graine_2026/fiches/Kael.pdf" >"$temp/impression/Kael.pdf"
(cd "$temp/impression" && "$programme" --imprimer Kael.pdf) >"$temp/sortie" 2>"$temp/erreurs" ||
    { cat "$temp/erreurs" >&2; echec "the installed program does not print a sheet"; }
head -c 5 "$temp/impression/Kael-imprimable.pdf" | grep -q '%PDF-' || echec "the printed sheet is not a PDF"
echo "installed: the printing module, found by the installed program"

# 2. The page renders without a warning, in a UTF-8 locale and in the C locale,
# and its footer carries the same version. Its section names are French.
for locale in C.UTF-8 C; do
    LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" >"$temp/page.txt" 2>"$temp/page.err" ||
        { cat "$temp/page.err" >&2; echec "man -l failed ($locale)"; }
    if [ -s "$temp/page.err" ]; then
        cat "$temp/page.err" >&2
        echec "man -l warns ($locale)"
    fi
    for section in NOM SYNOPSIS DESCRIPTION OPTIONS FICHIERS 'CODE DE RETOUR' EXEMPLES; do
        grep -q "^$section" "$temp/page.txt" || echec "section $section missing from the rendered page ($locale)"
    done
done
tail -n 1 "$temp/page.txt" | grep -q "vesperine $version" ||
    echec "the page's footer does not carry the version $version"
# The page is found by name, as man 6 vesperine finds it under a prefix.
MANPATH="$temp/prefixe/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man 6 vesperine >/dev/null 2>"$temp/page.err" ||
    { cat "$temp/page.err" >&2; echec "man 6 vesperine does not find the installed page"; }
echo "page rendered without a warning"
