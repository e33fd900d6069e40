#!/bin/sh
# Makes the Windows archive: vesperine.exe, LISEZMOI.txt and the manual as text
# (vesperine.txt), both with CR LF, in OUT. Two runs on the same inputs give
# the same bytes: every file is dated SOURCE_DATE_EPOCH (else the date of the
# first entry of debian/changelog), in UTC, added in a fixed order, without
# extra attributes (zip -X).
#
#   sh outils/zip-windows.sh SOURCE-DIR EXE OUT
set -eu

source=${1:?usage: zip-windows.sh SOURCE-DIR EXE OUT}
exe=${2:?usage: zip-windows.sh SOURCE-DIR EXE OUT}
sortie=${3:?usage: zip-windows.sh SOURCE-DIR EXE OUT}
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(date -u -d "$(sed -n 's/^ -- .*>  //p' "$source/debian/changelog" | head -n 1)" +%s)
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
crlf() { sed 's/$/\r/'; }
cp "$exe" "$travail/vesperine.exe"
crlf <"$source/doc/LISEZMOI-windows.txt" >"$travail/LISEZMOI.txt"
# The manual page as text, without the terminal's bold and underline.
LC_ALL=C.UTF-8 MANWIDTH=80 groff -k -man -Tutf8 -P-cbou -rLL=78n "$source/doc/vesperine.6" 2>/dev/null |
    crlf >"$travail/vesperine.txt"
for f in vesperine.exe LISEZMOI.txt vesperine.txt; do
    chmod 644 "$travail/$f"
    TZ=UTC touch -d "@$SOURCE_DATE_EPOCH" "$travail/$f"
done
rm -f "$sortie"
absolu=$(realpath "$sortie")
(cd "$travail" && TZ=UTC zip -q -X -9 "$absolu" vesperine.exe LISEZMOI.txt vesperine.txt)
echo "$(basename "$sortie"): $(wc -c <"$sortie") bytes"
