#!/usr/bin/env bash
# The Debian package as a player gets it.
#   deb_test.sh build CPACK BUILD_DIR SCRATCH EXAMPLES VERSION EDITOR
#     builds the .deb with the cpack program CPACK into SCRATCH, checks its name, fields
#     and files, unpacks it into SCRATCH/root and runs the unpacked orvmove-cli on the
#     example report.
#     EDITOR is 1 when the build has the desktop editor.
#   deb_test.sh version SCRATCH VERSION
#     runs the unpacked orvmove-cli --version.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ "$1" = version ]; then
    out=$("$2/root/usr/games/orvmove-cli" --version) || fail "--version exited with $?"
    [ "$out" = "orvmove-cli $3" ] || fail "--version printed '$out'"
    exit 0
fi

cpack=$2 build=$3 scratch=$4 examples=$5 version=$6 editor=$7
rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" ||
    { cat "$scratch/cpack.log"; fail "cpack"; }

deb=$scratch/out/orvmove_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb; cpack wrote: $(ls "$scratch/out")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
case $depends in *"libc6 ("*) ;; *) fail "no computed dependencies" ;; esac

# The files a player needs, under /usr. The editor and its desktop files are built with Qt.
expected=(
    usr/games/orvmove-cli
    usr/share/man/man6/orvmove-cli.6.gz
    usr/share/doc/orvmove/copyright
    usr/share/doc/orvmove/changelog.gz
)
if [ "$editor" = 1 ]; then
    case $depends in *libqt6widgets6*) ;; *) fail "Qt 6 Widgets missing from Depends" ;; esac
    expected+=(
        usr/games/orvmove
        usr/share/man/man6/orvmove.6.gz
        usr/share/applications/io.github.orvmove.OrvMove.desktop
        usr/share/metainfo/io.github.orvmove.OrvMove.metainfo.xml
        usr/share/mime/packages/orvmove.xml
        usr/share/icons/hicolor/scalable/apps/orvmove.svg
        usr/share/doc/orvmove/help/introduction.html
    )
    for size in 16 32 48 64 128 256; do
        expected+=(usr/share/icons/hicolor/${size}x$size/apps/orvmove.png)
    done
fi
dpkg -x "$deb" "$scratch/root"
rm -rf "$scratch/out/_CPack_Packages"
for f in "${expected[@]}"; do
    [ -f "$scratch/root/$f" ] || fail "$f is not in the package"
done
gzip -t "$scratch/root/usr/share/man/man6/"*.gz
# The newest changelog entry is this version's.
zcat "$scratch/root/usr/share/doc/orvmove/changelog.gz" > "$scratch/changelog"
logged=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)
[ "$logged" = "$version" ] || fail "the changelog's newest entry is $logged, not $version"

cli=$scratch/root/usr/games/orvmove-cli
tribes=$("$cli" tribes "$examples/turn12.txt") || fail "tribes exited with $?"
grep -qx $'3\tVikings\t2400\t520\t880' <<< "$tribes" || fail "tribes printed: $tribes"
[ "$("$cli" check "$examples/turn12.txt" --tribe Vikings "$examples/turn12.cmd")" = \
    "Move seems to be correct." ] || fail "check of a correct move"
status=0
"$cli" check "$examples/turn12.txt" --tribe Vikings "$examples/turn12-paths.cmd" > /dev/null ||
    status=$?
[ "$status" -eq 1 ] || fail "check of a faulty move exited with $status, not 1"
echo "ok: $(basename "$deb")"
