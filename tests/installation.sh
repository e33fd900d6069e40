#!/bin/sh
# Installs the built program into a temporary prefix and checks that the program
# and its manual page are where a game's are (games, man6), that the program
# gives the project's version, and that man renders the page without a warning;
# then builds the Debian package with dpkg-buildpackage from a copy of the
# sources, as a user would at the root of the repository, and reads it.
#
#   sh tests/installation.sh <build directory> <version> [configuration]
#
# Needs man (Debian package man-db, which brings groff-base) and, for the
# package, dpkg-buildpackage (dpkg-dev), dh (debhelper) and build-essential;
# outils/paquets.txt lists them for the test run. A missing tool fails the test
# and names the package to install.
set -eu

construction=${1:?usage: installation.sh <build directory> <version> [configuration]}
version=${2:?usage: installation.sh <build directory> <version> [configuration]}
configuration=${3:-}
sources=$(cd "$(dirname "$0")/.." && pwd)

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

outil() {
    command -v "$1" >/dev/null 2>&1 ||
        echec "la commande $1 manque : installer le paquet Debian $2 (apt-get install $2)"
}

outil cmake cmake
outil man man-db
outil groff groff-base
outil tar tar
outil dpkg-deb dpkg
outil dpkg-buildpackage dpkg-dev
outil dh debhelper

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

programme="$temp/prefixe/games/vesperine"
page="$temp/prefixe/share/man/man6/vesperine.6.gz"
[ -x "$programme" ] || echec "programme absent ou non exécutable : games/vesperine"
[ -f "$page" ] || echec "page de manuel absente : share/man/man6/vesperine.6.gz"
echo "installé : games/vesperine et share/man/man6/vesperine.6.gz"

# The installed program is the one that was built: stdin at its end, it stops
# at the first prompt with status 1; its version is the project's.
statut=0
"$programme" </dev/null >"$temp/sortie" 2>"$temp/erreurs" || statut=$?
[ "$statut" -eq 1 ] || echec "le programme installé a rendu $statut au lieu de 1 sur une entrée vide"
grep -q 'VESPERINE GENERATOR' "$temp/sortie" || echec "le programme installé n'écrit pas sa bannière"
[ "$("$programme" --version)" = "vesperine $version" ] ||
    echec "vesperine --version ne donne pas « vesperine $version »"

# 2. The page renders without a warning, in a UTF-8 locale and in the C locale,
# and its header carries the same version.
for locale in C.UTF-8 C; do
    LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" >"$temp/page.txt" 2>"$temp/page.err" ||
        { cat "$temp/page.err" >&2; echec "man -l a échoué ($locale)"; }
    if [ -s "$temp/page.err" ]; then
        cat "$temp/page.err" >&2
        echec "avertissements de man -l ($locale)"
    fi
    for section in NOM SYNOPSIS DESCRIPTION OPTIONS FICHIERS 'CODE DE RETOUR' EXEMPLES; do
        grep -q "^$section" "$temp/page.txt" || echec "section $section absente de la page rendue ($locale)"
    done
done
tail -n 1 "$temp/page.txt" | grep -q "vesperine $version" ||
    echec "le pied de la page ne porte pas la version $version"
# The page is found by name, as man 6 vesperine finds it under a prefix.
MANPATH="$temp/prefixe/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man 6 vesperine >/dev/null 2>"$temp/page.err" ||
    { cat "$temp/page.err" >&2; echec "man 6 vesperine ne trouve pas la page installée"; }
echo "page rendue sans avertissement"

# 3. The Debian package, built from a copy of the sources (without build
# directories) so that its ../ is the temporary directory.
mkdir "$temp/vesperine"
tar -C "$sources" --exclude='./build*' --exclude=./.git --exclude=./debian/vesperine \
    --exclude=./debian/.debhelper -cf - . | tar -C "$temp/vesperine" -xf -
(cd "$temp/vesperine" && dpkg-checkbuilddeps) >"$temp/dependances.log" 2>&1 || {
    cat "$temp/dependances.log" >&2
    echec "il manque des paquets Debian pour construire le paquet (voir ci-dessus : apt-get install ...)"
}
(cd "$temp/vesperine" && DEB_BUILD_OPTIONS="parallel=2" dpkg-buildpackage -us -uc -b) \
    >"$temp/paquet.log" 2>&1 </dev/null || {
    tail -n 40 "$temp/paquet.log" >&2
    echec "dpkg-buildpackage -us -uc -b a échoué"
}
arch=$(dpkg --print-architecture)
deb="$temp/vesperine_${version}_$arch.deb"
[ -f "$deb" ] || echec "dpkg-buildpackage n'a pas produit vesperine_${version}_$arch.deb"
dpkg-deb --contents "$deb" >"$temp/contenu"
for fichier in usr/games/vesperine usr/share/man/man6/vesperine.6.gz usr/share/doc/vesperine/copyright \
    usr/share/doc/vesperine/changelog.gz; do
    grep -q " \./$fichier\$" "$temp/contenu" || echec "le paquet n'installe pas /$fichier"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || echec "le paquet n'est pas de la section games"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || echec "le paquet n'est pas de la version $version"
[ -n "$(dpkg-deb --field "$deb" Maintainer)" ] || echec "le paquet n'a pas de responsable"
dpkg-deb --field "$deb" Depends | grep -q 'libc6' || echec "les dépendances du paquet ne nomment pas libc6"
dpkg-deb -x "$deb" "$temp/racine"
[ "$("$temp/racine/usr/games/vesperine" --version)" = "vesperine $version" ] ||
    echec "le programme du paquet ne donne pas « vesperine $version »"
echo "paquet $(basename "$deb") : Depends: $(dpkg-deb --field "$deb" Depends)"
