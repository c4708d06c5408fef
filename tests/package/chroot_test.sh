#!/usr/bin/env bash
# chroot_test.sh DEB_SCRATCH CHROOT VERSION — the .deb that deb_test.sh built into
# DEB_SCRATCH/out installs on a bare Debian 12: a minimal system is bootstrapped into
# CHROOT, apt installs the package there with the dependencies it names, a player's login
# shell finds and runs both programs, and a purge leaves no file of the package behind.
# Skips (exit 77) when this machine cannot: not root, no debootstrap, no Debian mirror
# within reach. Nothing is kept from one run to the next. ORV_DEBIAN_MIRROR chooses the
# mirror; otherwise it is the one apt on this machine uses for bookworm.
set -euo pipefail
scratch=$1 root=$2 version=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
skip() {
    echo "SKIPPED: $*"
    exit 77
}

# The first bookworm mirror apt knows, read by apt itself from its sources in either
# format (the lists that setup.sh's update fetched).
apt_mirror() {
    # awk reads to the end, so that apt never writes into a closed pipe.
    apt-get indextargets --format '$(REPO_URI)' 'Release: bookworm' 2> /dev/null | awk 'NR == 1'
}

[ "$(id -u)" -eq 0 ] || skip "needs root for debootstrap and chroot"
command -v debootstrap > /dev/null || skip "debootstrap is not installed"
mirror=${ORV_DEBIAN_MIRROR:-$(apt_mirror)}
[ -n "$mirror" ] || skip "no bookworm mirror in /etc/apt/sources.list*"
debs=("$scratch/out/orvmove_${version}_"*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no .deb in $scratch/out"

cleanup() {
    if mountpoint -q "$root/proc" 2> /dev/null; then
        umount "$root/proc" || { echo "could not unmount $root/proc: $root is left" >&2; return; }
    fi
    rm -rf --one-file-system "$root" "$root.log"
}
trap cleanup EXIT
cleanup # what a run that was killed left

in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive "$@"
}
# As a player: nobody's login shell, with the PATH Debian gives every user.
as_player() {
    chroot --userspec=65534:65534 "$root" /usr/bin/env -i HOME=/tmp /bin/sh -lc "$1"
}

start=$SECONDS
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.log" 2>&1 ||
    skip "debootstrap from $mirror failed: $(tail -n 3 "$root.log")"
echo "bootstrapped from $mirror in $((SECONDS - start)) s"
in_root apt-get update -qq > "$root.log" 2>&1 ||
    skip "apt-get update failed: $(tail -n 3 "$root.log")"

start=$SECONDS
cp "$deb" "$root/tmp/"
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" \
    > "$root.log" 2>&1 || { cat "$root.log"; fail "apt-get install"; }
echo "installed with its dependencies in $((SECONDS - start)) s"
rm -f "$root.log"
# Programs built with the sanitizers read /proc/self/maps; others run without it too.
mount -t proc proc "$root/proc" 2> /dev/null || echo "note: no /proc in the chroot"

for program in orvmove-cli orvmove; do
    out=$(as_player "$program --version") || fail "$program --version exited with $?"
    [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
done
# The shared MIME database, brought in by Qt, takes the file types in...
[ -f "$root/usr/share/mime/application/x-orvmove-report.xml" ] ||
    fail "the MIME database does not know the report type"

start=$SECONDS
in_root apt-get remove --purge -y -qq orvmove > "$root.log" 2>&1 ||
    { cat "$root.log"; fail "apt-get remove --purge"; }
echo "purged in $((SECONDS - start)) s"
# ... and gives them up again.
[ ! -e "$root/usr/share/mime/application/x-orvmove-report.xml" ] ||
    fail "the MIME database still knows the report type"
# Every file of the package is gone; of its folders only those other packages share stay.
while read -r path; do
    path=${path#.}
    path=${path%/}
    [ -n "$path" ] || continue
    [ -e "$root$path" ] || continue
    [ -d "$root$path" ] || fail "$path is left"
    in_root dpkg-query -S "$path" > /dev/null 2>&1 || fail "the folder $path is left"
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t)
echo "ok: installed, ran and purged in a Debian 12 chroot"
