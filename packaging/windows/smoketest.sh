#!/bin/sh
# smoketest.sh SETUP.exe WINE_PREFIX OUTDIR: the installed program as a
# teacher meets it, on a Wine desktop under Xvfb. The setup program runs
# silently; Kinea starts from its installed folder; every module window is
# opened from the launcher's "Utiliser" menu with the keyboard, run a little
# and photographed into OUTDIR; the launcher quits through the same menu;
# the settings must then stand in %APPDATA%\Kinea; the uninstaller runs and
# the installed folder must be gone.
set -eu
# The program must meet Wine's own windows, whatever the caller's Qt asks.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
setup=$1
export WINEPREFIX="$2"
out=$3
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
dir="$WINEPREFIX/drive_c/Program Files/Kinea"
mkdir -p "$out"
rm -f "$out"/*.png

fail() { echo "smoketest: $*" >&2; exit 1; }

# A display of our own, free of the others on this machine.
number=90
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$number"
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 2

timeout 300 wine "$setup" /S < /dev/null
wineserver -w
[ -f "$dir/Kinea.exe" ] || fail "the setup program installed nothing"

appdata=$(cd "$WINEPREFIX/drive_c/users" && ls -d */AppData/Roaming | head -n 1)
settings="$WINEPREFIX/drive_c/users/$appdata/Kinea/Kinea.ini"
rm -f "$settings"

shot() { import -window root "$out/$1.png"; }
keys() { xdotool key --delay 150 "$@"; }
# The picture changes once a window has come: compared with the launcher's.
differs() {
  [ "$(compare -metric AE "$out/launcher.png" "$out/$1.png" null: 2>&1 | cut -d' ' -f1)" -gt 10000 ]
}

# Windows has Arial; the font engine of Qt's GDI clips glyphs under Wine.
wine explorer /desktop=Kinea,1280x1024 'C:\Program Files\Kinea\Kinea.exe' \
  -platform windows:fontengine=freetype < /dev/null > /dev/null 2>&1 &
sleep 20
shot startup
# The about box and the tip of the day come first: Escape closes each.
keys Escape
sleep 2
keys Escape
sleep 2
shot launcher

# Each entry of "Utiliser": its mnemonic, its picture's name, and what a
# pupil would do first. The windows open at the desktop's top left, so the
# places clicked are fixed: a film's End key shows its whole stroboscopic
# picture; the braking run starts, the organ fires, two more places and an
# object are chosen for the weight (the globes turn to them).
click() { xdotool mousemove "$1" "$2" click 1; sleep 1; }
film() { keys End; }
braking() { click 26 437; sleep 6; }
organ() { click 274 530; sleep 5; }
weighing() {
  click 380 402; keys Down Down Return
  click 620 402; keys Down Down Down Down Return
  click 370 460; keys Down Down Return
  sleep 4
}
none() { :; }
open_module() {
  keys alt+u "$1"
  sleep 8
  $3
  sleep 2
  shot "$2"
  differs "$2" || fail "no window came for $2"
  keys alt+F4
  sleep 3
}
open_module r wheel film
open_module m projectile film
open_module d disc film
open_module c freefall film
open_module f braking braking
open_module p weighing weighing
open_module o organ organ
open_module v field none

keys alt+u q
sleep 5
wineserver -w
[ -f "$settings" ] || fail "no settings in %APPDATA%\\Kinea after quitting"
echo "smoketest: settings written in $settings"

timeout 300 wine "$dir/desinstaller.exe" /S < /dev/null
wineserver -w
[ ! -e "$dir" ] || fail "the installation folder is still there"
echo "smoketest: $(ls "$out" | wc -l) screenshots in $out"
