#!/usr/bin/env bash
# mime_test.sh ROOT SCRATCH EXAMPLES — the file types and the desktop entry installed
# under ROOT (the share folder's parent) make a desktop see the example report and move
# as the editor's files and open them with it. Works on copies in SCRATCH, with the
# XDG folders pointed there, so that neither the machine's nor the user's settings count.
set -euo pipefail
root=$1 scratch=$2 examples=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch/share" "$scratch/home" "$scratch/config"
cp -r "$root/share/mime" "$root/share/applications" "$scratch/share/"
export XDG_DATA_DIRS=$scratch/share:/usr/share XDG_DATA_HOME=$scratch/home
export XDG_CONFIG_HOME=$scratch/config XDG_CONFIG_DIRS=$scratch/config
update-mime-database "$scratch/share/mime"
update-desktop-database "$scratch/share/applications"
# xdg-mime asks gio, which reads the shared MIME database, as under GNOME; locally,
# without a session's file system daemon.
export XDG_CURRENT_DESKTOP=GNOME GIO_USE_VFS=local

# A .txt file that is neither a report nor a move must stay plain text.
printf 'Shopping list\r\nGeneral stores: report to the captain\r\n' > "$scratch/notes.txt"
printf 'BEGIN\r\nNAME Harald\r\nEND\r\n' > "$scratch/move.txt"
while read -r file type; do
    got=$(xdg-mime query filetype "$file")
    [ "$got" = "$type" ] || fail "$file is $got, not $type"
done << EOF_CASES
$examples/turn12.txt application/x-orvmove-report
$examples/turn12.cmd application/x-orvmove-move
$scratch/move.txt application/x-orvmove-move
$scratch/notes.txt text/plain
EOF_CASES

for type in application/x-orvmove-report application/x-orvmove-move; do
    app=$(xdg-mime query default "$type")
    [ "$app" = io.github.orvmove.OrvMove.desktop ] || fail "$type opens with '$app'"
done

# A double-click in a file manager opens the file through gio, as this does: the desktop
# entry's command, here a stand-in that writes down what it was given, gets the file. Under
# a virtual display when one can be started, as on a desktop.
mkdir -p "$scratch/bin"
cat > "$scratch/bin/orvmove" << 'EOF_STUB'
#!/bin/sh
printf '%s\n' "$@" >> "$ORV_OPENED"
EOF_STUB
chmod +x "$scratch/bin/orvmove"
export PATH=$scratch/bin:$PATH ORV_OPENED=$scratch/opened
display=()
if command -v xvfb-run > /dev/null; then
    display=(xvfb-run -a)
fi
for file in "$examples/turn12.txt" "$examples/turn12.cmd"; do
    rm -f "$ORV_OPENED"
    "${display[@]}" gio open "$file"
    for _ in $(seq 50); do
        [ -s "$ORV_OPENED" ] && break
        sleep 0.1
    done
    got=$(cat "$ORV_OPENED" 2> /dev/null || true)
    [ "$got" = "$(realpath "$file")" ] || fail "gio open $file started the editor with '$got'"
done
echo "ok: file types"
