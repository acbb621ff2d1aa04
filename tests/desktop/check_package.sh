#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and checks what a player
# would install: the files and where they land, the dependencies, the desktop entry, and lintian.
# Usage: check_package.sh <cpack> <build folder>. Exit 77 (skipped) without Debian's packaging tools.
set -euo pipefail
cpack=$1 build=$2

for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
        exit 77
    }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack -G DEB failed"
}
debs=("$work"/tavlora_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no tavlora_<version>_<arch>.deb: $(ls "$work")"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "tavlora_${version}_$(dpkg-deb -f "$deb" Architecture).deb" ] ||
    fail "package named $(basename "$deb")"

id=org.tavlora.Tavlora
expected=(
    usr/games/tavlora
    usr/lib/tavlora/HAND-M.CUR usr/lib/tavlora/hiscore.mdb usr/lib/tavlora/installed
    usr/lib/tavlora/tavlora usr/lib/tavlora/tavlora-decode usr/lib/tavlora/tavlora-sound
    usr/lib/tavlora/sounds/formed.wav
    usr/lib/tavlora/pictures/Balloons.jpg usr/lib/tavlora/pictures/Numbers.jpg
    usr/lib/tavlora/pictures/Reef.jpg
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/doc/tavlora/changelog.Debian.gz usr/share/doc/tavlora/copyright
    usr/share/man/man6/tavlora.6.gz
)
# Every language the build speaks (translations/CMakeLists.txt), and English's own catalogue.
languages=$(sed -n 's/^TAVLORA_LANGUAGES:INTERNAL=//p' "$build/CMakeCache.txt" | tr ';' ' ')
for language in en $languages; do
    expected+=("usr/lib/tavlora/translations/tavlora_$language.qm")
done
for kind in slide swap still; do
    for cell in {1..4}-{1..4}; do
        expected+=("usr/lib/tavlora/sounds/$kind-$cell.wav")
    done
done
for side in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${side}x${side}/apps/$id.png")
done
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
want=$(printf '%s\n' "${expected[@]}" | sort)
[ "$files" = "$want" ] || fail "package files differ: $(diff <(echo "$want") <(echo "$files") || true)"

depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 names Qt's libraries with a "t64" suffix.
for package in fonts-dejavu-core qt6-image-formats-plugins libqt6sql6-sqlite libqt6widgets6 libc6 \
    libcanberra0; do
    [[ ", $depends," == *", $package"?(t64)[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in fonts-liberation qt6-wayland; do
    [[ ", $recommends," == *", $package"[\ ,]* ]] || fail "Recommends lacks $package: $recommends"
done
# Chinese, Japanese and Korean captions need a face of their own; Noto CJK serves where a desktop
# in those languages has it already.
[[ "$recommends" == *"fonts-wqy-microhei | fonts-noto-cjk"* ]] ||
    fail "Recommends lacks a CJK face: $recommends"
if grep -q '^ID=debian' /etc/os-release 2>/dev/null; then
    release=$(. /etc/os-release && echo "${VERSION_ID%%.*}")
    [[ $version == *"~deb$release" ]] || fail "version $version does not name Debian $release"
fi
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop" |
    grep -qx 'Exec=/usr/games/tavlora %f' || fail "the desktop entry does not start /usr/games/tavlora"

# Root plays the installed package (installed with dpkg into a root of its own): root's score goes
# into root's own copy, and dpkg still finds every file of the package as it installed it. The
# score is stored by the test helper that plays a game's end with the game's own score code.
player="$build/tests/score_file_user"
if [ "$(id -u)" -ne 0 ]; then
    echo "not run as root; the check of root playing the installed package was left out"
elif [ ! -x "$player" ]; then
    echo "$player is not built; the check of root playing the installed package was left out"
else
    root="$work/root"
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$work/root-home"
    touch "$root/var/lib/dpkg/status"
    dpkg --root="$root" --force-depends --install "$deb" >"$work/dpkg.log" 2>&1 || {
        cat "$work/dpkg.log"
        fail "dpkg --install into $root failed"
    }
    printf 'go\ngo\n' | env -u XDG_DATA_HOME HOME="$work/root-home" "$player" play-installed \
        "$root/usr/lib/tavlora/hiscore.mdb" tblSlide 300 Root >"$work/play.log" 2>&1 ||
        fail "root could not store a score: $(cat "$work/play.log")"
    grep -qx stored "$work/play.log" || fail "root's score was not stored: $(cat "$work/play.log")"
    [ -s "$work/root-home/.local/share/Tavlora/hiscore.mdb" ] || fail "root got no copy of their own"
    changed=$(dpkg --root="$root" --verify tavlora 2>&1) || true
    [ -z "$changed" ] || fail "the installed package changed: $changed"
    echo "root played the installed package; dpkg --verify finds it unchanged"
fi

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || fail "lintian reports errors"
else
    echo "lintian is not installed; its check was left out"
fi
echo "$(basename "$deb") checked"
