#!/usr/bin/env bash
# Checks the Windows installer under Wine as a player would use it: a silent install for the
# current user, the game started from the installed folder, a score stored, the same installer run
# again (the score stays), and a silent uninstall (the scores stay, everything else goes).
# Usage: windows-install-check.sh <Windows build folder>; uses $WINEPREFIX, or a fresh one.
set -euo pipefail
# The game needs a display, and Wine ties a prefix's windows to the display its first program
# found, so the whole check runs on one private X server.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$@"
fi
cross=$(cd "$1" && pwd)
installer=$(ls "$cross"/Tavlora-*-win64.exe)
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$(mktemp -d)
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
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

wine "$installer" /S
for file in tavlora.exe hiscore.mdb HAND-M.CUR Qt6Core.dll platforms/qwindows.dll \
    sqldrivers/qsqlite.dll imageformats/qjpeg.dll Uninstall.exe; do
    [ -s "$game/$file" ] || fail "the install left no $file in $game"
done
[ "$(find "$game/pictures" -name '*.jpg' | wc -l)" -ge 3 ] || fail "no stock pictures"
[ -s "$shortcut" ] || fail "no Start-menu entry"
registry_has 'HKCU\Software\Classes\.jpg\OpenWithList\tavlora.exe' || fail "no Open with for .jpg"
registry_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavlora' ||
    fail "not in the list of installed programs"

# The installed game starts with its own folder's libraries and paints its window.
log=$(mktemp)
TAVLORA_REPORT_STARTUP=1 timeout 60 wine "$game/tavlora.exe" 2>"$log" &
for _ in $(seq 300); do
    grep -q "tavlora-startup first-paint" "$log" && break
    sleep 0.1
done
grep -q "tavlora-startup first-paint" "$log" || fail "the installed game did not paint: $(cat "$log")"
wineserver -k 2>/dev/null || true
wait || true
rm -f "$log"

# A score stored the way the game stores one, then the installer once more over it.
printf 'go\n' | wine "$cross/tests/score_file_user.exe" play "$game_win\\hiscore.mdb" tblSlide 777 \
    "Installer check" | tr -d '\r' | grep -qx stored || fail "no score stored in the installed file"
scores | grep -q '|Installer check|777$' || fail "the stored score is not listed"
wine "$installer" /S
scores | grep -q '|Installer check|777$' || fail "installing again replaced hiscore.mdb"

# A silent uninstall keeps the scores, and only them.
wine "$game/Uninstall.exe" /S "_?=$game_win"
rm -f "$game/Uninstall.exe"  # run in place, the uninstaller cannot remove itself
[ ! -e "$game/tavlora.exe" ] || fail "the uninstall left tavlora.exe"
[ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu entry"
! registry_has 'HKCU\Software\Classes\.jpg\OpenWithList\tavlora.exe' || fail "Open with is left"
! registry_has 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavlora' ||
    fail "still in the list of installed programs"
[ "$(ls -A "$game")" = hiscore.mdb ] || fail "the uninstall left more than hiscore.mdb: $(ls -A "$game")"
scores | grep -q '|Installer check|777$' || fail "the uninstall lost the scores"
echo "installer checked under Wine: installed, played from $game_win, installed again, uninstalled"
