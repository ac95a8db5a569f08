#!/usr/bin/env bash
# Runs a command as root in a fresh, minimal Debian root of the named release
# with a copy of this checkout's committed files (and of ../shared, the
# reference cases beside it, when there is one), as a new user would meet
# them: nothing installed beyond debootstrap's minbase, no display.
#   bash scripts/fresh_root.sh RELEASE "COMMAND"
#   bash scripts/fresh_root.sh trixie "bash scripts/test.sh"
# The bare root is made once per release and kept as a tarball under
# $CF_ROOT_CACHE (default /var/cache/crumbleford-roots); every run unpacks a
# pristine copy, and removes it afterwards unless CF_KEEP_ROOT=1. The command
# runs in the copy of the checkout (/root/crumbleford) and its exit status is
# this script's. CF_ROOT_REV copies another commit than HEAD. Needs root, for
# debootstrap, mount and chroot.
set -euo pipefail
# Read whole before anything runs: a run takes long, and bash reads a script
# as it goes, so editing this file meanwhile would change what the run does.
{
cd "$(dirname "$0")/.."
. scripts/common.sh

if [ $# -ne 2 ]; then
    echo "usage: $0 RELEASE \"COMMAND\"   (for example: $0 trixie \"bash scripts/test.sh\")" >&2
    exit 2
fi
release=$1 command=$2
if ! [[ $release =~ ^[a-z][a-z0-9-]*$ ]]; then
    echo "fresh_root: '$release' is not a release name (bookworm, trixie, ...)" >&2
    exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "fresh_root: needs root (debootstrap, mount and chroot)" >&2
    exit 2
fi
mirror=${CF_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${CF_ROOT_CACHE:-/var/cache/crumbleford-roots}
tarball=$cache/$release-minbase.tar.gz
checkout=$(pwd)
rev=$(git rev-parse --verify "${CF_ROOT_REV:-HEAD}^{commit}")

ensure_packages debootstrap
mkdir -p "$cache"

if [ ! -s "$tarball" ]; then
    echo "== Making a bare $release root with debootstrap (once; kept in $tarball)"
    bare=$(mktemp -d "$cache/bare-$release.XXXXXX")
    if ! debootstrap --variant=minbase "$release" "$bare" "$mirror"; then
        rm -rf --one-file-system "$bare"
        echo "fresh_root: debootstrap $release failed" >&2
        exit 1
    fi
    # The package cache is of no use to the copies; the lists come anew.
    rm -rf "$bare"/var/cache/apt/archives/*.deb "$bare"/var/lib/apt/lists/*
    # Written beside and renamed, so an interrupted run never leaves a
    # half tarball that later runs would take for a root.
    tar --numeric-owner -C "$bare" -czf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$bare"
fi

root=$(mktemp -d "$cache/run-$release.XXXXXX")
mounts=()

# The processes running inside the root, and only those.
inside() {
    local pid
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        if [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ]; then
            echo "$pid"
        fi
    done
}

cleanup() {
    local status=$? pids i
    # Whatever the command left running inside (a virtual X server, say)
    # would keep the mounts busy.
    pids=$(inside)
    if [ -n "$pids" ]; then
        kill $pids 2>/dev/null || true
        sleep 2
        pids=$(inside)
        [ -z "$pids" ] || kill -KILL $pids 2>/dev/null || true
    fi
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
    done
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        # Never delete through a mount: that would reach the host's /dev.
        echo "fresh_root: something is still mounted under $root; left in place" >&2
    elif [ "${CF_KEEP_ROOT:-0}" = 1 ]; then
        echo "== Root kept in $root"
    else
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tar --numeric-owner -C "$root" -xzf "$tarball"
# mktemp made it 0700, which would lock apt's own user out of the root.
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# The committed state, not the build directories or unsaved edits.
mkdir -p "$root/root/crumbleford"
git -C "$checkout" archive --format=tar "$rev" | tar -C "$root/root/crumbleford" -xf -
# The simulator's reference cases live beside the checkout, as in CI.
if [ -d "$checkout/../shared" ]; then
    cp -r "$checkout/../shared" "$root/root/shared"
fi
echo "== $release root in $root with $(git -C "$checkout" log -1 --format='%h %s' "$rev")"

mount_in() { # type source target [options]
    local target=$root/$3
    mkdir -p "$target"
    mount -t "$1" ${4:+-o "$4"} "$2" "$target"
    mounts+=("$target")
}
mount_in proc proc proc
mount_in sysfs sysfs sys
mount --bind /dev "$root/dev"
mounts+=("$root/dev")
# What is mounted below the copy's /dev must never show up in the host's.
mount --make-private "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mounts+=("$root/dev/pts")
mount_in tmpfs tmpfs dev/shm mode=1777
mount_in tmpfs tmpfs tmp mode=1777
# X servers also listen on abstract sockets, which a chroot shares with the
# host: a virtual X server started inside must see the host's displays to
# pick a free number, and the host's must see it.
if [ ! -d /tmp/.X11-unix ]; then
    mkdir -m 1777 /tmp/.X11-unix
fi
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
mounts+=("$root/tmp/.X11-unix")

echo "== Running in $release: $command"
# Waited for in the background, so that Ctrl+C or a kill reaches the trap
# at once and the trap ends what runs inside.
chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    TERM="${TERM:-dumb}" \
    /bin/bash -c 'cd /root/crumbleford && eval "$1"' fresh_root "$command" <&0 &
status=0
wait $! || status=$?
echo "== $release: exit status $status"
exit $status
}
