#!/usr/bin/env bash
# Installs the build into a temporary prefix (with a blank in its path) and checks what a player
# gets. Usage: check_install.sh layout|validate <cmake> <build folder> <application id>
#   layout    the folders and files, the launcher, and that reinstalling keeps the player's files
#   validate  the desktop entry and the AppStream metadata through their validators (exit 77,
#             skipped, when a validator is not installed)
set -euo pipefail
mode=$1 cmake=$2 build=$3 id=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix"
game="$prefix/lib/tavlora"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
install_game() {
    "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || {
        cat "$work/install.log"
        fail "cmake --install failed"
    }
}
# Width and height from a PNG's header.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')
    read -r a b c d e f g h <<<"$bytes"
    echo "$(((a << 24) + (b << 16) + (c << 8) + d))x$(((e << 24) + (f << 16) + (g << 8) + h))"
}

install_game
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

if [ "$mode" = validate ]; then
    missing=()
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate"
    else
        missing+=(desktop-file-validate)
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    else
        missing+=(appstreamcli)
    fi
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIP: not installed: ${missing[*]} (scripts/deps.sh installs them)"
        exit 77
    fi
    echo "desktop entry and metainfo valid"
    exit 0
fi

# The game's folder keeps everything the program finds beside itself.
[ -x "$game/tavlora" ] || fail "no program in lib/tavlora"
[ -x "$game/tavlora-decode" ] || fail "no picture decoder beside the program in lib/tavlora"
head -c 16 "$game/hiscore.mdb" | grep -q "SQLite format 3" || fail "no high-score file beside the game"
# The mark that tells the game an installed folder that root owns is the system's, never written.
[ -s "$game/installed" ] || fail "no install mark beside the game"
[ -s "$game/HAND-M.CUR" ] || fail "no hand cursor beside the game"
pictures=$(find "$game/pictures" -name '*.jpg' | wc -l)
[ "$pictures" -ge 3 ] || fail "only $pictures stock pictures"
for language in $(sed -n 's/^TAVLORA_LANGUAGES:INTERNAL=//p' "$build/CMakeCache.txt" | tr ';' ' '); do
    [ -s "$game/translations/tavlora_$language.qm" ] || fail "no $language catalogue beside the game"
    grep -q "^Comment\[$language\]=" "$entry" || fail "the desktop entry has no $language comment"
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no $language summary"
done
[ -s "$game/translations/tavlora_en.qm" ] || fail "no English catalogue beside the game"
[ -x "$prefix/bin/tavlora" ] || fail "no launcher"
[ "$(find "$prefix/bin" -mindepth 1 | wc -l)" -eq 1 ] || fail "bin/ holds more than the launcher"
[ -f "$metainfo" ] || fail "no metainfo"
for side in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${side}x${side}/apps/$id.png"
    [ "$(png_size "$icon")" = "${side}x${side}" ] || fail "icon $icon is not ${side}x${side}"
done
grep -qx "Icon=$id" "$entry" || fail "desktop entry names another icon"
grep -qx "Exec=\"$prefix/bin/tavlora\" %f" "$entry" || fail "Exec does not start the launcher: $(grep Exec= "$entry")"

# The launcher hands every argument over unchanged, also when it is reached through a link.
mkdir -p "$work/fake/bin" "$work/fake/lib/tavlora" "$work/links"
cp "$prefix/bin/tavlora" "$work/fake/bin/tavlora"
printf '#!/bin/sh\nprintf "[%%s]\\n" "$0" "$@"\n' >"$work/fake/lib/tavlora/tavlora"
chmod +x "$work/fake/lib/tavlora/tavlora"
ln -s "$work/fake/bin/tavlora" "$work/links/tavlora"
expected=$(printf '[%s]\n' "$work/fake/bin/../lib/tavlora/tavlora" "a picture.jpg" "" '$HOME "q"')
[ "$("$work/links/tavlora" "a picture.jpg" "" '$HOME "q"')" = "$expected" ] ||
    fail "launcher changed its arguments: $("$work/links/tavlora" "a picture.jpg" "" '$HOME "q"')"

# The real launcher starts the installed game, which paints its window.
TAVLORA_REPORT_STARTUP=1 QT_QPA_PLATFORM=offscreen "$prefix/bin/tavlora" 2>"$work/game.err" &
pid=$!
for _ in $(seq 100); do
    grep -q "tavlora-startup first-paint" "$work/game.err" && break
    sleep 0.1
done
exe=$(readlink "/proc/$pid/exe" || true)
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
grep -q "tavlora-startup first-paint" "$work/game.err" || fail "the game did not paint: $(cat "$work/game.err")"
[ "$exe" = "$game/tavlora" ] || fail "the launcher ran $exe"

# Reinstalling keeps the player's scores, cursor and own pictures.
printf 'the player scores' >"$game/hiscore.mdb"
printf 'the player cursor' >"$game/HAND-M.CUR"
printf 'own picture' >"$game/pictures/mine.jpg"
install_game
[ "$(cat "$game/hiscore.mdb")" = "the player scores" ] || fail "reinstalling replaced hiscore.mdb"
[ "$(cat "$game/HAND-M.CUR")" = "the player cursor" ] || fail "reinstalling replaced HAND-M.CUR"
[ -f "$game/pictures/mine.jpg" ] || fail "reinstalling removed a picture of the player's"
echo "install layout, launcher and reinstall checked in $prefix"
