#!/usr/bin/env bash
# The window program killed with SIGKILL a second after a grade is typed offers that grade at
# its next start, and Oui brings it back: checked on the real program under an X server of
# its own, driven with xdotool; its start leaves the libraries of the workbook, the archive and
# the class lists unloaded. Skipped, saying so, where either tool is missing.
# Arguments: the program, a sample class.
set -u
programme=$1
exemple=$2
for outil in Xvfb xdotool; do
    command -v "$outil" >/dev/null 2>&1 || { echo "$outil absent : test sauté."; exit 77; }
done

bac=$(mktemp -d)
xvfb=
quillora=
finir() {
    [ -n "$quillora" ] && { kill -9 "$quillora"; wait "$quillora"; } 2>/dev/null
    # Waited for: a server still closing removes the socket of the next one given its number.
    [ -n "$xvfb" ] && { kill "$xvfb"; wait "$xvfb"; } 2>/dev/null
    rm -rf "$bac"
}
trap finir EXIT
# What the program printed goes with the failure: a crash says where it happened.
echec() {
    echo "ÉCHEC : $*"
    if [ -n "$quillora" ] && ! kill -0 "$quillora" 2>/dev/null; then
        wait "$quillora" 2>/dev/null
        echo "Le programme s'est arrêté de lui-même (code $?)."
        quillora=
    fi
    [ -s "$bac/sortie.txt" ] && { echo "Sa sortie :"; cat "$bac/sortie.txt"; }
    exit 1
}

# An X server on a display it finds free itself, which it writes once it is ready. Never
# reset: a server resets when its last client leaves (here, the program killed), and if
# another server that had its number has since removed its socket, it remakes it then, the
# program's next start meeting no server at all.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$bac/ecran" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$bac/ecran" ] && break; sleep 0.1; done
ecran=$(cat "$bac/ecran")
[ -n "$ecran" ] || { echo "Xvfb ne démarre pas : test sauté."; exit 77; }

# On the X server, whatever platform the caller chose for its own tests.
export DISPLAY=":$ecran" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 HOME="$bac/home"
export XDG_CONFIG_HOME="$bac/config" XDG_DATA_HOME="$bac/data" XDG_STATE_HOME="$bac/state"
export XDG_RUNTIME_DIR="$bac/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
classe="$bac/3A.cl3"
cp "$exemple" "$classe"
chmod 600 "$classe"

# The window named `$1`, once it is on the screen (within 20 s).
fenetre() {
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Answers the association question, if the program asks it, with Non.
sans_association() {
    id=$(fenetre '^Information$') && xdotool windowfocus --sync "$id" key --clearmodifiers Escape
}

demarrer() {
    "$programme" "$classe" --config "$bac/quillora.ini" >"$bac/sortie.txt" 2>&1 & quillora=$!
}

demarrer
cadre=$(fenetre '^Quillora$') || echec "le programme ne s'ouvre pas"
sans_association
# The workbook's, the archive's and the lists' libraries wait until one is used.
charges=$(grep -oE 'lib(xlsxwriter|zip|crypto|uchardet|csv)\.so[.0-9]*' "/proc/$quillora/maps" | sort -u)
[ -z "$charges" ] || echec "chargées au démarrage : $charges"
# The first grade of the first student: the pointer over its cell (the class window fills
# the top left of the 1366 x 768 screen), then typed.
xdotool windowfocus --sync "$cadre" mousemove 250 92
sleep 0.3
xdotool type --delay 50 "17"
xdotool key Return
sleep 1
kill -0 "$quillora" 2>/dev/null || echec "le programme s'est arrêté avant l'arrêt brutal"
kill -9 "$quillora"
wait "$quillora" 2>/dev/null
quillora=

[ -s "$classe.journal" ] || echec "aucun journal à côté de la classe"
demarrer
question=$(fenetre '^Confirmation$') || echec "la reprise n'est pas proposée"
# Oui is the default button.
xdotool windowfocus --sync "$question" key --clearmodifiers Return
sleep 0.5
sans_association
cadre=$(fenetre '^Quillora$') || echec "le programme ne s'ouvre pas après la reprise"
xdotool windowfocus --sync "$cadre" key --clearmodifiers ctrl+s
premier() { "$programme" --exporter "$classe" --vue 1,1 | grep -q $'^ANDR[^\t]*\t17\t'; }
for _ in $(seq 100); do
    premier && break
    sleep 0.1
done
premier ||
    echec "la note récupérée n'est pas dans le fichier enregistré"
echo "La note tapée avant l'arrêt brutal a été proposée, récupérée et enregistrée."
