#!/bin/sh
# Installs the Debian packages that a use of the project needs (outils/paquets.txt)
# and only those that are missing: as root, or through sudo otherwise. Reads
# nothing from standard input, so that answers piped into a command that starts
# with it reach the program; apt's output goes to a log shown only on failure.
#
#   sh outils/installer-paquets.sh construction|tests|ci|windows
set -eu

usage="usage: installer-paquets.sh construction|tests|ci|windows"
usage_voulu=${1:?$usage}
liste="$(dirname "$0")/paquets.txt"

case $usage_voulu in
construction) usages="construction" ;;
tests) usages="construction tests" ;;
ci) usages="construction tests ci" ;;
windows) usages="windows" ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac

manquants=""
while read -r paquet pour; do
    case $paquet in '' | '#'*) continue ;; esac
    case " $usages " in *" $pour "*) ;; *) continue ;; esac
    statut=$(dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null || true)
    [ "$statut" = "install ok installed" ] || manquants="$manquants $paquet"
done <"$liste"

if [ -z "$manquants" ]; then
    echo "packages ($usage_voulu): all installed"
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    root=""
elif command -v sudo >/dev/null 2>&1; then
    root="sudo"
else
    echo "missing packages:$manquants" >&2
    echo "installing them needs root or sudo: apt-get install$manquants" >&2
    exit 1
fi

echo "packages ($usage_voulu): installing$manquants"
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
debut=$(date +%s)
# shellcheck disable=SC2086 # one word per package
if ! {
    $root env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
        $root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $manquants
} </dev/null >"$journal" 2>&1; then
    cat "$journal" >&2
    echo "FAILED: apt-get did not install:$manquants" >&2
    exit 1
fi
echo "packages ($usage_voulu): installed in $(($(date +%s) - debut)) s"
