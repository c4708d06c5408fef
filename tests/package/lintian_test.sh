#!/usr/bin/env bash
# lintian_test.sh LINTIAN SCRATCH VERSION HARDENED — lintian, Debian's package checker,
# finds no error and no warning in the .deb that deb_test.sh built into SCRATCH/out.
# HARDENED is 1 when the build took dpkg-buildflags' hardening flags (ORV_DEB_HARDENING):
# then the notes that a program lacks one (hardening-no-*) fail too.
set -euo pipefail
lintian=$1 scratch=$2 version=$3 hardened=$4

debs=("$scratch/out/orvmove_${version}_"*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no .deb in $scratch/out" >&2; exit 1; }

# Every tag, the notes (I:) and the pedantic ones (P:) included, for the log; lintian's own
# exit status is not used, the lines below decide. No tag is overridden.
report=$("$lintian" --display-info --pedantic --fail-on none "${debs[0]}" 2> "$scratch/lintian.err") || {
    cat "$scratch/lintian.err" >&2
    echo "FAIL: lintian could not check ${debs[0]}" >&2
    exit 1
}
echo "$report"
failing='^[EW]: '
if [ "$hardened" = 1 ]; then
    failing="$failing|: hardening-"
fi
if grep -Eq "$failing" <<< "$report"; then
    echo "FAIL: lintian found the problems above" >&2
    exit 1
fi
[ "$hardened" = 1 ] || echo "note: built without ORV_DEB_HARDENING, hardening not checked"
echo "ok: lintian"
