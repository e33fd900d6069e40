#!/bin/sh
# The text of the PDFs that the cases wrote under wine, checked on Linux: each
# DOSSIER/<case>/X.pdf (its case's runner names them after the case's pages/,
# "-" for standard output) must pass `qpdf --check` and give, through
# `pdftotext -layout`, the bytes of CAS/<case>/pages/X.txt. The runner has
# already checked that the PDFs written are those that pages/ lists.
#
#   sh tests/pages-des-cas.sh DOSSIER CAS
set -eu
dossier=${1:?usage: pages-des-cas.sh DOSSIER CAS}
cas=${2:?usage: pages-des-cas.sh DOSSIER CAS}
command -v qpdf >/dev/null && command -v pdftotext >/dev/null ||
    { echo "qpdf and pdftotext are needed: apt-get install qpdf poppler-utils"; exit 1; }
[ -d "$dossier" ] || { echo "no PDF written by the cases in $dossier"; exit 1; }
texte=$(mktemp)
liste=$(mktemp)
trap 'rm -f "$texte" "$liste"' EXIT
n=0
echecs=0
(cd "$dossier" && find . -name '*.pdf' -type f | sort) >"$liste"
while IFS= read -r pdf; do
    pdf=${pdf#./}
    attendu="$cas/${pdf%%/*}/pages/${pdf#*/}"
    attendu="${attendu%.pdf}.txt"
    n=$((n + 1))
    if ! qpdf --check "$dossier/$pdf" >/dev/null 2>&1; then
        echo "FAILED: $pdf: qpdf --check refuses the PDF"
        echecs=$((echecs + 1))
    elif ! pdftotext -layout "$dossier/$pdf" "$texte" || ! cmp -s "$texte" "$attendu"; then
        echo "FAILED: $pdf: its pages' text differs from $attendu"
        diff "$attendu" "$texte" | head -n 20 || true
        echecs=$((echecs + 1))
    fi
done <"$liste"
echo "$n PDFs written under wine, $echecs with other pages than their case's"
[ "$n" -gt 0 ] && [ "$echecs" -eq 0 ]
