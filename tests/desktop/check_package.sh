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
    usr/lib/tavlora/HAND-M.CUR usr/lib/tavlora/hiscore.mdb usr/lib/tavlora/tavlora
    usr/lib/tavlora/tavlora-decode
    usr/lib/tavlora/pictures/Balloons.jpg usr/lib/tavlora/pictures/Numbers.jpg
    usr/lib/tavlora/pictures/Reef.jpg
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
    usr/share/doc/tavlora/changelog.gz usr/share/doc/tavlora/copyright
    usr/share/man/man6/tavlora.6.gz
)
for language in de es fr it nl pl pt_BR ru; do
    expected+=("usr/lib/tavlora/translations/tavlora_$language.qm")
done
for side in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${side}x${side}/apps/$id.png")
done
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
want=$(printf '%s\n' "${expected[@]}" | sort)
[ "$files" = "$want" ] || fail "package files differ: $(diff <(echo "$want") <(echo "$files") || true)"

depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-dejavu-core qt6-image-formats-plugins libqt6sql6-sqlite libqt6widgets6 libc6; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop" |
    grep -qx 'Exec=/usr/games/tavlora %f' || fail "the desktop entry does not start /usr/games/tavlora"

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || fail "lintian reports errors"
else
    echo "lintian is not installed; its check was left out"
fi
echo "$(basename "$deb") checked"
