#!/bin/sh
# The Windows program on wine's console, as a player meets it:
# - in a terminal (tmux), the accented menu shows right, and a typed accented
#   name reaches the sheet (Windows-1252) and the file's name (UTF-16 on the
#   Windows side, UTF-8 here);
# - in wine's own console window (Xvfb), Ctrl+Z then Enter ends the input as
#   the end of a file does: status 1 and no sheet. Wine's terminal backend
#   drops Ctrl+Z before the program can read it, hence the window.
# Usage: tests/windows/console.sh VESPERINE.EXE FOLDER (FOLDER: made empty, then used)
set -eu
exe=$(realpath "$1")
travail=$2
rm -rf "$travail"
mkdir -p "$travail/terminal" "$travail/fenetre"
travail=$(realpath "$travail")
export WINEPREFIX="${WINEPREFIX:-$travail/wine}" WINEDEBUG=-all
prise="vesperine-console-$$"
trap 'tmux -L "$prise" kill-server 2>/dev/null || true' EXIT

# Waits up to 60 s for the terminal to show the line `texte`.
attendre() {
  i=0
  until tmux -L "$prise" capture-pane -p -t v | grep -qxF -- "$1"; do
    i=$((i + 1))
    if [ "$i" -gt 600 ]; then
      echo "the terminal never showed «$1»; it shows:"
      tmux -L "$prise" capture-pane -p -t v
      exit 1
    fi
    sleep 0.1
  done
}

echo "terminal: an accented menu, then an accented name typed"
tmux -L "$prise" new-session -d -s v -x 100 -y 50 \
  "cd '$travail/terminal' && LANG=C.UTF-8 wine '$exe' --graine 2026; echo statut=\$?; sleep 600"
attendre "2)Monde impérial"
for reponse in 1 1 1 1 1 1 1 1 1 1 1 1 Zoé 1 4 2 1 25 180 80 1 1; do
  tmux -L "$prise" send-keys -t v "$reponse" Enter
done
attendre "statut=0"
fiche="$travail/terminal/Zoé.pdf"
test -f "$fiche" || { echo "no Zoé.pdf; the folder holds:"; ls "$travail/terminal"; exit 1; }
head -c 8 "$fiche" | od -An -tx1 | grep -q "4e 6f 6d 3a 5a 6f e9 20" ||
  { echo "the sheet does not begin with «Nom:Zoé» in Windows-1252:"; head -c 16 "$fiche" | od -An -tx1; exit 1; }
echo "  menu shown right, Zoé.pdf saved, its name in Windows-1252"

echo "window: Ctrl+Z then Enter ends the input"
# The wine processes of the terminal have no display: they must be gone, or the
# window would be opened on their desktop, not on this one.
tmux -L "$prise" kill-server
wineserver -k 2>/dev/null || true
# The program must end by itself within 60 s: timeout closes the window after that.
xvfb-run -a sh -c '
  cd "$1"
  timeout 60 wineconsole "$2" --graine 2026 &
  programme=$!
  fenetre=$(timeout 60 xdotool search --sync --name vesperine | head -1)
  if [ -z "$fenetre" ]; then
    echo "no console window within 60 s" > statut
    exit
  fi
  xdotool windowactivate --sync "$fenetre" 2>/dev/null || xdotool windowfocus "$fenetre"
  xdotool type --delay 50 1; xdotool key Return
  xdotool key ctrl+z; xdotool key Return
  statut=0
  wait "$programme" || statut=$?
  echo "$statut" > statut
' sh "$travail/fenetre" "$exe"
statut=$(cat "$travail/fenetre/statut")
[ "$statut" = 1 ] || { echo "after Ctrl+Z: $statut (status 1, the end of input, expected)"; exit 1; }
[ -z "$(find "$travail/fenetre" -name '*.pdf')" ] || { echo "a sheet was saved after Ctrl+Z"; exit 1; }
echo "  input ended, status 1, no sheet"
