#!/usr/bin/env bash
# Checks the Windows installer under Wine as a player would use it: a silent install of an earlier
# version for the current user, the game started from the installed folder, a score and a setting
# stored; an uninstall that waits for a running game and gives up; this version installed over the
# running game (it waits until the game ends, then leaves no file of the earlier version and keeps
# the player's); a folder the user cannot write refused; and a silent uninstall (the scores and
# the settings stay, everything else goes).
# Usage: windows-install-check.sh <Windows build folder>; uses $WINEPREFIX, or a fresh one.
set -euo pipefail
# The game needs a display, and Wine ties a prefix's windows to the display its first program
# found, so the whole check runs on one private X server.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$@"
fi
cross=$(cd "$1" && pwd)
installer=$(ls "$cross"/Tavlora-*-win64.exe)
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work" ${WINEPREFIX_MADE_HERE:+"$WINEPREFIX"}' EXIT
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(mktemp -d) WINEPREFIX_MADE_HERE=1
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wineserver -k 2>/dev/null || true  # a server started without this display would keep it from us
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
game_win="$(windows_variable LOCALAPPDATA)\\Programs\\Tavlora"
game=$(winepath -u "$game_win" 2>/dev/null)
shortcut=$(winepath -u "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tavlora.lnk" 2>/dev/null)
scores() { wine "$cross/tests/score_file_user.exe" list "$game_win\\hiscore.mdb" tblSlide | tr -d '\r'; }
registry_has() { wine reg query "$1" >/dev/null 2>&1; }
settings_key='HKCU\Software\Tavlora\Tavlora'

# An earlier version to upgrade from: this installer made again with one file more, which its
# uninstaller knows and this version's does not.
nsis="$cross/_CPack_Packages/win64/NSIS"
staged=$(sed -n 's/^!define INST_DIR "\(.*\)"$/\1/p' "$nsis/project.nsi")
cp -al "$staged" "$work/earlier"
echo "a library this version no longer has" >"$work/earlier/earlier-only.dll"
sed -e "s|^!define INST_DIR .*|!define INST_DIR \"$work/earlier\"|" \
    -e "s|^OutFile .*|OutFile \"$work/earlier.exe\"|" -e 's|^SetCompressor .*|SetCompressor zlib|' \
    -e 's|^  Delete "\$INSTDIR\\tavlora\.exe"$|&\n  Delete "$INSTDIR\\earlier-only.dll"|' \
    "$nsis/project.nsi" >"$work/earlier.nsi"
grep -q 'earlier-only.dll"$' "$work/earlier.nsi" || fail "no uninstall list in $nsis/project.nsi"
makensis -V1 "$work/earlier.nsi" || fail "the earlier version's installer was not made"

wine "$work/earlier.exe" /S
[ -s "$game/earlier-only.dll" ] || fail "the earlier version was not installed"
for file in tavlora.exe hiscore.mdb HAND-M.CUR Qt6Core.dll platforms/qwindows.dll \
    sqldrivers/qsqlite.dll imageformats/qjpeg.dll Uninstall.exe; do
    [ -s "$game/$file" ] || fail "the install left no $file in $game"
done
[ "$(find "$game/pictures" -name '*.jpg' | wc -l)" -ge 3 ] || fail "no stock pictures"
[ -s "$shortcut" ] || fail "no Start-menu entry"
registry_has 'HKCU\Software\Classes\.jpg\OpenWithList\tavlora.exe' || fail "no Open with for .jpg"
registry_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavlora' ||
    fail "not in the list of installed programs"

# The installed game starts with its own folder's libraries and paints its window; it stays.
log="$work/game.log"
TAVLORA_REPORT_STARTUP=1 timeout 300 wine "$game/tavlora.exe" 2>"$log" &
game_pid=$!
for _ in $(seq 300); do
    grep -q "tavlora-startup first-paint" "$log" && break
    sleep 0.1
done
grep -q "tavlora-startup first-paint" "$log" || fail "the installed game did not paint: $(cat "$log")"

# The player's score, setting and cursor, stored while the game runs.
printf 'go\n' | wine "$cross/tests/score_file_user.exe" play "$game_win\\hiscore.mdb" tblSlide 777 \
    "Installer check" | tr -d '\r' | grep -qx stored || fail "no score stored in the installed file"
scores | grep -q '|Installer check|777$' || fail "the stored score is not listed"
wine reg add "$settings_key" /v installerCheck /d kept /f >/dev/null 2>&1
touch -d 2001-01-01 "$game/HAND-M.CUR"
player_files() { stat -c '%n %Y' "$game/HAND-M.CUR"; wine reg query "$settings_key" /v installerCheck; }
before=$(player_files 2>&1)

# A silent uninstall while the sound program runs waits for it a while, then gives up, exit code 2,
# with nothing removed.
# Its input stays open, as the game keeps it, through a pipe this script holds itself.
mkfifo "$work/sound-input"
exec 3<>"$work/sound-input"
wine "$game/tavlora-sound.exe" "$game_win\\sounds" <"$work/sound-input" &
sleep 2
status=0
wine "$game/Uninstall.exe" /S "_?=$game_win" || status=$?
[ "$status" = 2 ] || fail "the uninstall beside a running tavlora-sound.exe ended with $status, not 2"
[ -e "$game/tavlora-sound.exe" ] && [ -e "$game/tavlora.exe" ] || fail "the uninstall removed files"
wine taskkill /F /IM tavlora-sound.exe >/dev/null 2>&1
exec 3>&-

# This version installed over the running game: it waits, and goes on once the game has ended.
wine "$installer" /S &
installer_pid=$!
sleep 6
kill -0 "$installer_pid" 2>/dev/null || fail "the install did not wait for the running game"
[ -e "$game/earlier-only.dll" ] || fail "the install changed the folder while the game ran"
wine taskkill /F /IM tavlora.exe >/dev/null 2>&1
wait "$game_pid" || true
status=0
wait "$installer_pid" || status=$?
[ "$status" = 0 ] || fail "the install after the game ended failed with $status"
[ ! -e "$game/earlier-only.dll" ] || fail "the upgrade left the earlier version's earlier-only.dll"
[ -s "$game/tavlora.exe" ] && [ -s "$game/Uninstall.exe" ] || fail "the upgrade left no game"
scores | grep -q '|Installer check|777$' || fail "the upgrade replaced hiscore.mdb"
[ "$(player_files 2>&1)" = "$before" ] || fail "the upgrade changed the player's files: $(player_files 2>&1)"

# A folder the user cannot write is refused, as Windows' permissions refuse a user Program Files.
# Wine's server opens and makes the files, so it is the one started without root's power to
# override permissions. /D= takes the rest of the command line, blanks and all, so cmd passes it.
program_files="$WINEPREFIX/drive_c/Program Files"
chmod a-w "$program_files"
cp "$installer" "$work/setup.exe"
setup=$(winepath -w "$work/setup.exe" 2>/dev/null)
wineserver -k 2>/dev/null || true
wineserver -w
status=0
setpriv --bounding-set=-dac_override,-dac_read_search \
    wine cmd /c "$setup /S /D=C:\Program Files\Tavlora" || status=$?
wineserver -w
chmod u+w "$program_files"
[ "$status" = 2 ] || fail "the install into Program Files, not writable, ended with $status, not 2"
[ ! -e "$program_files/Tavlora" ] || fail "the install wrote into a folder the user cannot write"

# A silent uninstall keeps the scores and the settings, and only them.
wine "$game/Uninstall.exe" /S "_?=$game_win"
rm -f "$game/Uninstall.exe"  # run in place, the uninstaller cannot remove itself
[ ! -e "$game/tavlora.exe" ] || fail "the uninstall left tavlora.exe"
[ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu entry"
! registry_has 'HKCU\Software\Classes\.jpg\OpenWithList\tavlora.exe' || fail "Open with is left"
! registry_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavlora' ||
    fail "still in the list of installed programs"
[ "$(ls -A "$game")" = hiscore.mdb ] || fail "the uninstall left more than hiscore.mdb: $(ls -A "$game")"
scores | grep -q '|Installer check|777$' || fail "the uninstall lost the scores"
wine reg query "$settings_key" /v installerCheck >/dev/null 2>&1 || fail "the uninstall lost the settings"
echo "installer checked under Wine: installed, played from $game_win, upgraded over the running" \
    "game, refused Program Files, uninstalled"
