#!/bin/sh
# Installs the built program into a temporary prefix, checks that the program
# and its manual page are where GNUInstallDirs puts them, that man renders the
# page without a warning, and that cpack builds a Debian package holding both.
#
#   sh tests/installation.sh <build directory> [configuration]
#
# Needs man (Debian package man-db, which brings groff-base) and, for the
# package, dpkg-deb and dpkg-shlibdeps (dpkg-dev). None is installed here: a
# missing tool fails the test and names the package to install.
set -eu

construction=${1:?usage: installation.sh <build directory> [configuration]}
configuration=${2:-}

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

outil() {
    command -v "$1" >/dev/null 2>&1 ||
        echec "la commande $1 manque : installer le paquet Debian $2 (apt-get install $2)"
}

outil cmake cmake
outil cpack cmake
outil man man-db
outil groff groff-base
outil dpkg-deb dpkg
outil dpkg-shlibdeps dpkg-dev

temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT INT TERM

# 1. Installation into a temporary prefix.
set -- --install "$construction" --prefix "$temp/prefixe"
if [ -n "$configuration" ]; then
    set -- "$@" --config "$configuration"
fi
cmake "$@" >"$temp/install.log" 2>&1 || {
    cat "$temp/install.log" >&2
    echec "cmake --install a échoué"
}

programme="$temp/prefixe/bin/vesperine"
page="$temp/prefixe/share/man/man6/vesperine.6.gz"
[ -x "$programme" ] || echec "programme absent ou non exécutable : bin/vesperine"
[ -f "$page" ] || echec "page de manuel absente : share/man/man6/vesperine.6.gz"
echo "installé : bin/vesperine et share/man/man6/vesperine.6.gz"

# The installed program is the one that was built: stdin at its end, it stops
# at the first prompt with status 1.
statut=0
"$programme" </dev/null >"$temp/sortie" 2>"$temp/erreurs" || statut=$?
[ "$statut" -eq 1 ] || echec "le programme installé a rendu $statut au lieu de 1 sur une entrée vide"
grep -q 'VESPERINE GENERATOR' "$temp/sortie" || echec "le programme installé n'écrit pas sa bannière"

# 2. The page renders without a warning, in a UTF-8 locale and in the C locale.
for locale in C.UTF-8 C; do
    LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" >"$temp/page.txt" 2>"$temp/page.err" ||
        { cat "$temp/page.err" >&2; echec "man -l a échoué ($locale)"; }
    if [ -s "$temp/page.err" ]; then
        cat "$temp/page.err" >&2
        echec "avertissements de man -l ($locale)"
    fi
    for section in NOM SYNOPSIS DESCRIPTION FICHIERS 'CODE DE RETOUR' EXEMPLES; do
        grep -q "^$section" "$temp/page.txt" || echec "section $section absente de la page rendue ($locale)"
    done
done
# The page is found by name, as man 6 vesperine finds it under a prefix.
MANPATH="$temp/prefixe/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man 6 vesperine >/dev/null 2>"$temp/page.err" ||
    { cat "$temp/page.err" >&2; echec "man 6 vesperine ne trouve pas la page installée"; }
echo "page rendue sans avertissement"

# 3. The Debian package holds the program and the page, under /usr.
cpack --config "$construction/CPackConfig.cmake" -G DEB -B "$temp/paquet" >"$temp/cpack.log" 2>&1 || {
    cat "$temp/cpack.log" >&2
    echec "cpack -G DEB a échoué"
}
deb=$(find "$temp/paquet" -maxdepth 1 -name 'vesperine_*.deb' | head -n 1)
[ -n "$deb" ] || echec "cpack n'a produit aucun paquet vesperine_*.deb"
dpkg-deb --contents "$deb" >"$temp/contenu"
grep -q ' \./usr/bin/vesperine$' "$temp/contenu" || echec "le paquet n'installe pas /usr/bin/vesperine"
grep -q ' \./usr/share/man/man6/vesperine\.6\.gz$' "$temp/contenu" ||
    echec "le paquet n'installe pas /usr/share/man/man6/vesperine.6.gz"
[ -n "$(dpkg-deb --field "$deb" Maintainer)" ] || echec "le paquet n'a pas de responsable"
dpkg-deb --field "$deb" Depends | grep -q 'libc6' || echec "les dépendances du paquet ne nomment pas libc6"
echo "paquet $(basename "$deb") : Depends: $(dpkg-deb --field "$deb" Depends)"
