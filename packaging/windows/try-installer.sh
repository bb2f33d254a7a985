#!/usr/bin/env bash
# Tries the Windows installer under Wine as a technician deploys it: a fresh
# Wine prefix on a virtual display, a silent install, the program started from
# its Start-menu entry and walked through (BUILD/installed/*.png), then
# a silent uninstall that must leave nothing behind.
#   packaging/windows/try-installer.sh BUILD
set -euo pipefail
if [ -z "${SETSDRILL_TRY_DISPLAY:-}" ]; then
    # Wine must find the display from its very first start: a prefix first
    # started without one never shows a window.
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env SETSDRILL_TRY_DISPLAY=1 "$0" "$@"
fi
build=$(realpath "$1")
installer=$(ls -1t "$build"/setsdrill-*-windows-x64.exe | head -1)
staged=$build/_CPack_Packages/win64/NSIS/$(basename "$installer" .exe)
# No .NET or browser set-up, and no copies of the Start menu on this desktop.
export WINEPREFIX=$build/wine-try WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

fail() {
    echo "FAILED: $*" >&2
    wineserver -k 2>/dev/null || true
    exit 1
}
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\setsdrill'
folder="$WINEPREFIX/drive_c/Program Files/setsdrill"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/تمارين المجموعات.lnk"
uninstall_entry() { # the uninstall key as text, or nothing
    local file=$WINEPREFIX/drive_c/uninstall-entry.reg
    rm -f "$file"
    wine reg export "$key" 'C:\uninstall-entry.reg' >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
}

echo "Installing silently: $(basename "$installer") ($(du -h "$installer" | cut -f1))"
start=$(date +%s)
wine "$installer" /S
wineserver -w
echo "  done in $(($(date +%s) - start)) s"
expected=$( (cd "$staged" && find . -type f && echo ./uninstall.exe) | sort)
installed=$( (cd "$folder" && find . -type f) | sort)
[ "$installed" = "$expected" ] || fail "installed files differ from the package: $(diff <(echo "$expected") <(echo "$installed"))"
echo "  $(echo "$installed" | wc -l) files in C:\\Program Files\\setsdrill, as packaged"
[ -f "$shortcut" ] || fail "no Start-menu entry at $shortcut"
echo "  Start-menu entry: تمارين المجموعات"
entry=$(uninstall_entry)
version=$(basename "$installer" -windows-x64.exe)
version=${version#setsdrill-}
for value in '"DisplayName"="تمارين المجموعات"' "\"DisplayVersion\"=\"$version\"" '"Publisher"=".+"' \
    '"DisplayIcon"="C:\\\\Program Files\\\\setsdrill\\\\setsdrill.exe,0"' '"UninstallString"=".*uninstall.exe.*"'; do
    grep -qxE "$value" <<<"$entry" || fail "the installed programs lack $value in: $entry"
done
echo "  listed among the installed programs with its version, publisher and icon"

echo "Starting it from its Start-menu entry"
wine start /unix "$shortcut"
# What a class sees of it: the menu, a lesson after some work, the blackboard
# with pieces on it.
"$(dirname "$0")/../../tools/classroom-walk.sh" "$build/installed" || fail "the walk through the installed program stopped"
wineserver -k
sleep 1

echo "Uninstalling silently"
wine "$folder/uninstall.exe" /S
wineserver -w
sleep 2 # the uninstaller finishes from its copy in the temporary folder
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . | head)"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left behind"
[ -z "$(uninstall_entry)" ] || fail "the uninstall entry is left behind"
echo "  nothing left: no folder, no Start-menu entry, no entry among the installed programs"
wineserver -k 2>/dev/null || true
