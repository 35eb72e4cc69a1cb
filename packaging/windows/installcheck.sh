#!/bin/sh
# installcheck.sh SETUP.exe WINE_PREFIX: the setup program as a school's
# technician runs it, silently ("/S"), in a Wine prefix; then what it
# installed, and the uninstaller, also silent, leaving nothing behind.
set -eu
setup=$1
export WINEPREFIX="$2"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
drive=$WINEPREFIX/drive_c
dir="$drive/Program Files/Kinea"
link="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Kinea.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kinea'

fail() { echo "installcheck: $*" >&2; exit 1; }

timeout 300 wine "$setup" /S < /dev/null
wineserver -w
for file in Kinea.exe Kinea.installed lisezmoi.txt Kinea.html desinstaller.exe platforms/qwindows.dll \
            fonts/LiberationSans-Regular.ttf; do
  [ -f "$dir/$file" ] || fail "missing after the installation: $file"
done
[ -f "$link" ] || fail "no Start-menu entry"
timeout 60 wine reg query "$key" /v DisplayName < /dev/null | grep -q Kinea || fail "not in the list of installed programs"
echo "installcheck: installed in $dir"

# A file the user added (as Kinea writes its settings elsewhere) is not
# there: the folder must go entirely.
timeout 300 wine "$dir/desinstaller.exe" /S < /dev/null
wineserver -w
[ ! -e "$dir" ] || fail "the installation folder is still there: $(ls "$dir")"
[ ! -e "$link" ] || fail "the Start-menu entry is still there"
if timeout 60 wine reg query "$key" < /dev/null >/dev/null 2>&1; then
  fail "still in the list of installed programs"
fi
echo "installcheck: uninstalled"
