#!/bin/sh
# Builds the Debian package once, from a copy of the sources, and checks that one
# build: no compiler warning, FORTIFY on every compilation, lintian --pedantic
# without an error or a warning, every program and library hardened, and its contents
# (the program in /usr/games, its manual page, copyright, changelog), section,
# version (debian/changelog's first entry) and Depends. CI runs it once per run.
#
#   sh outils/paquet-debian.sh [work directory]
#
# The work directory (default build-paquet/ in the sources) holds the copy of
# the sources, the build log and the package with its .changes, each replaced
# at every run. Needs dpkg-dev, debhelper, build-essential, lintian and devscripts
# (hardening-check): sh outils/installer-paquets.sh ci installs them.
set -eu

racine=$(cd "$(dirname "$0")/.." && pwd)
travail=${1:-$racine/build-paquet}

echec() {
    echo "FAILED: $*" >&2
    exit 1
}

for outil in dpkg-buildpackage:dpkg-dev dh:debhelper lintian:lintian hardening-check:devscripts; do
    command -v "${outil%%:*}" >/dev/null 2>&1 ||
        echec "the command ${outil%%:*} is missing: apt-get install ${outil#*:}"
done

mkdir -p "$travail"
travail=$(cd "$travail" && pwd)
# The sources are copied without the build* directories: a work directory
# inside them must be one of those, or the copy would hold itself.
case $travail/ in
"$racine"/build*) ;;
"$racine"/*) echec "the work directory must be outside the sources or named build*: $travail" ;;
esac
rm -rf "$travail/vesperine" "$travail/racine" "$travail"/vesperine_*
mkdir "$travail/vesperine"
tar -C "$racine" --exclude='./build*' --exclude=./.git --exclude=./debian/vesperine \
    --exclude=./debian/.debhelper -cf - . | tar -C "$travail/vesperine" -xf -

# 1. The build, as a user would run it at the root of the sources.
journal=$travail/construction.log
(cd "$travail/vesperine" && dpkg-checkbuilddeps) >"$journal" 2>&1 ||
    { cat "$journal" >&2; echec "Debian packages are missing to build the package (apt-get install ...)"; }
debut=$(date +%s)
(cd "$travail/vesperine" && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b) \
    >"$journal" 2>&1 </dev/null || { tail -n 40 "$journal" >&2; echec "dpkg-buildpackage -us -uc -b failed"; }
version=$(cd "$travail/vesperine" && dpkg-parsechangelog -S Version)
nom=vesperine_${version}_$(dpkg --print-architecture)
deb=$travail/$nom.deb
[ -f "$deb" ] || echec "dpkg-buildpackage did not make $nom.deb"
echo "built $nom.deb in $(($(date +%s) - debut)) s"

# 2. The build's own log: no warning, and every compilation (CMake's make rules
# end each one with "-o <object>.o -c <source>") had FORTIFY.
if grep -E 'warning:' "$journal" >&2; then echec "the package build warns"; fi
grep -E ' -o [^ ]+\.o -c ' "$journal" >"$travail/compilations.txt" || true
[ -s "$travail/compilations.txt" ] || echec "no compilation seen in the build log"
if grep -v -E -e '-D_FORTIFY_SOURCE=[23]' "$travail/compilations.txt" >&2; then
    echec "a compilation without -D_FORTIFY_SOURCE"
fi
echo "$(wc -l <"$travail/compilations.txt") compilations, each with FORTIFY, no warning"

# 3. lintian, pedantic tags included.
lintian --pedantic --fail-on error,warning "$travail/$nom.changes" >&2 || echec "lintian --pedantic"
echo "lintian --pedantic: no error, no warning"

# 4. Contents and control fields.
dpkg-deb --contents "$deb" >"$travail/contenu.txt"
for fichier in usr/games/vesperine "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/vesperine/vesperine-pdf.so" \
    usr/share/man/man6/vesperine.6.gz usr/share/doc/vesperine/copyright usr/share/doc/vesperine/changelog.gz; do
    grep -q " \./$fichier\$" "$travail/contenu.txt" || echec "the package does not install /$fichier"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || echec "the package's section is not games"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || echec "the package's version is not $version"
[ -n "$(dpkg-deb --field "$deb" Maintainer)" ] || echec "the package has no maintainer"
dpkg-deb --field "$deb" Depends | grep -q 'libc6' || echec "the package's Depends do not name libc6"
dpkg-deb --field "$deb" Depends | grep -q 'libhpdf' || echec "the package's Depends do not name libhpdf"
dpkg-deb -x "$deb" "$travail/racine"
[ "$("$travail/racine/usr/games/vesperine" --version)" = "vesperine ${version%%-*}" ] ||
    echec "the packaged program does not give \"vesperine ${version%%-*}\""
# The packaged program prints with the packaged module.
iconv -f UTF-8 -t WINDOWS-1252 "$racine/tests/transcripts/graine_2026/fiches/Kael.pdf" >"$travail/Kael.pdf"
"$travail/racine/usr/games/vesperine" --imprimer -o - "$travail/Kael.pdf" | head -c 5 | grep -q '%PDF-' ||
    echec "the packaged program does not print a sheet"
echo "contents: /usr/games/vesperine, the printing module, man 6 page, copyright, changelog; Depends: $(dpkg-deb --field "$deb" Depends)"

# 5. Every ELF file of the package hardened: PIE (for a program), stack
# protector, RELRO, BIND_NOW. hardening-check cannot see FORTIFY in code whose
# copies all have sizes known only at run time (step 2 checks every compilation
# instead), nor control-flow protection, which Debian's C start-up files do not
# carry; and Debian 13's asks on every architecture for the branch protection
# of arm64, where Debian 12's has no option to leave it out.
set -- --nofortify --nocfprotection
if [ "$(dpkg --print-architecture)" != arm64 ] && hardening-check --help 2>&1 | grep -q -e --nobranchprotection; then
    set -- "$@" --nobranchprotection
fi
find "$travail/racine" -type f | sort >"$travail/fichiers.txt"
while read -r fichier; do
    if [ "$(head -c 4 "$fichier" | tail -c 3)" = ELF ]; then
        hardening-check "$@" "$fichier" || echec "${fichier#"$travail"/racine} is not hardened"
    fi
done <"$travail/fichiers.txt"
