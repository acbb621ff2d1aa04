#!/usr/bin/env bash
# Runs the project on a fresh Debian system of a given release, made with debootstrap in a folder:
#
#   debian-release.sh test RELEASE FOLDER      a fresh clone of this repository's HEAD, the README's
#                                              test command inside, then the Debian package built there
#   debian-release.sh install RELEASE FOLDER   the package from FOLDER/packages/ installed with apt-get
#                                              on another fresh system of the release, then started
#
# RELEASE is bookworm (Debian 12) or trixie (Debian 13). FOLDER keeps the pristine system as a
# tarball, so the second step starts from the same fresh system without fetching it again. Needs
# root, debootstrap, and the Debian mirror this machine's own apt uses. Extra environment for the
# test command (CXXFLAGS) passes through.
set -euo pipefail
cd "$(dirname "$0")/.."
action=${1:?usage: debian-release.sh test|install RELEASE FOLDER}
release=${2:?release}
folder=$(realpath -m "${3:?folder}")
mkdir -p "$folder/packages"

# The mirror this machine's apt is set up with, so a closed network that reaches only it still works.
mirror() {
    local uri
    uri=$(grep -h -m1 -E '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list \
        2>/dev/null | head -n1 | awk '{print $2}')
    echo "${uri:-http://deb.debian.org/debian}"
}

ensure_tools() {
    command -v debootstrap >/dev/null && return
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
}

# A fresh minimal system in $1, from the tarball of the first one made.
fresh_system() {
    local root=$1 tarball="$folder/$release-minbase.tar"
    if [ ! -f "$tarball" ]; then
        ensure_tools
        rm -rf "$folder/bootstrap"
        debootstrap --variant=minbase "$release" "$folder/bootstrap" "$(mirror)" \
            >"$folder/debootstrap.log" 2>&1 || {
            tail -n 20 "$folder/debootstrap.log" >&2
            exit 1
        }
        tar -C "$folder/bootstrap" -cf "$tarball" .
        rm -rf "$folder/bootstrap"
    fi
    rm -rf "$root"
    mkdir -p "$root"
    tar -C "$root" -xf "$tarball"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

mounted=()
unmount_all() {
    local k
    for ((k = ${#mounted[@]} - 1; k >= 0; k--)); do
        umount -l "${mounted[k]}" 2>/dev/null || true
    done
    mounted=()
}
trap unmount_all EXIT

mount_system() {
    local root=$1 point
    for point in proc sys dev dev/pts; do
        mkdir -p "$root/$point"
        mount --bind "/$point" "$root/$point"
        mounted+=("$root/$point")
    done
    # Shared memory as a booted system has it, open to every user: Sway, which the tests run as
    # nobody, makes its keyboard maps there, and with none each client is sent no keymap and
    # takes no key. The bound /dev is first kept from passing the mount on to the host's.
    mount --make-private "$root/dev"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
    mounted+=("$root/dev/shm")
}

# Runs a shell command as root inside the system, with a clean environment.
inside() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        CXXFLAGS="${CXXFLAGS:-}" DEBIAN_FRONTEND=noninteractive bash -c "$1"
}

case $action in
    test)
        root="$folder/test-system"
        fresh_system "$root"
        git clone --quiet --no-hardlinks "$PWD" "$root/root/tavlora"
        mount_system "$root"
        # The README's test command, as a newcomer runs it in root's home, then the package.
        inside "$root" 'cd /root/tavlora && bash scripts/test.sh &&
            (cd build && cpack -G DEB >/dev/null) && cp build/tavlora_*.deb /root/'
        unmount_all
        rm -f "$folder/packages/"*.deb
        cp "$root"/root/tavlora_*.deb "$folder/packages/"
        ls "$folder/packages/"
        ;;
    install)
        debs=("$folder"/packages/tavlora_*.deb)
        [ -f "${debs[0]}" ] || {
            echo "no package in $folder/packages: run the test step first" >&2
            exit 1
        }
        root="$folder/install-system"
        fresh_system "$root"
        cp "${debs[0]}" "$root/root/"
        mount_system "$root"
        # What a player does: install the file with its dependencies, then start the game on a
        # display, and see its window painted.
        inside "$root" "apt-get update -qq && apt-get install -y -qq ./root/$(basename "${debs[0]}") \
                >/root/install.log && apt-get install -y -qq --no-install-recommends xvfb xauth \
                >>/root/install.log && dpkg --verify tavlora"
        inside "$root" 'TAVLORA_REPORT_STARTUP=1 timeout 120 xvfb-run -a sh -c "echo \$\$ >/root/game.pid;
                exec /usr/games/tavlora /usr/lib/tavlora/pictures/Reef.jpg" 2>/root/start.log &
            for _ in $(seq 120); do
                grep -q "tavlora-startup picture-loaded" /root/start.log && break
                sleep 0.5
            done
            kill "$(cat /root/game.pid)" 2>/dev/null || true
            wait
            grep -q "tavlora-startup picture-loaded" /root/start.log || { cat /root/start.log; exit 1; }'
        echo "$(basename "${debs[0]}") installs and starts on a fresh $release"
        ;;
    *)
        echo "usage: debian-release.sh test|install RELEASE FOLDER" >&2
        exit 2
        ;;
esac
