#!/bin/sh
# Installs Kinea into a staging root, as a package build does, and checks
# what a desktop and the program itself expect of it:
#   - usr/bin/kinea is a relative link to the program in usr/lib/kinea/,
#     beside every file of docs/ (help, readme, documents);
#   - the menu entry, its icon and the software centre's page are where
#     desktops look, and their validators accept them (when installed);
#   - the menu entry's command starts the installed program, which takes
#     usr/lib/kinea/ as its folder and finds there the marker of an
#     installed copy: quit from its menu as a user does, it has written
#     Kinea.ini in the user's configuration folder and nothing into its own
#     folder (nor beside the link), whoever runs it: as root first, then as
#     another user (when the check runs as root), with the folder writable.
# The runs need a private X server (Xvfb) and xdotool to press the keys.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR APP_ID
set -eu
build=$1
source=$2
id=$3

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
prefix=$root/usr
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

# The program and the files it opens, side by side.
link=$prefix/bin/kinea
[ -L "$link" ] || fail "bin/kinea is not a symbolic link"
[ "$(readlink "$link")" = ../lib/kinea/kinea ] || fail "bin/kinea leads to $(readlink "$link")"
program_dir=$prefix/lib/kinea
[ -x "$program_dir/kinea" ] || fail "no program in lib/kinea"
(cd "$source/docs" && find . -type f | sed 's,^\./,,') | while read -r doc; do
    cmp -s "$source/docs/$doc" "$program_dir/$doc" || fail "lib/kinea/$doc differs from docs/$doc"
done
for opened in Kinea.html lisezmoi.txt html/cinemometres.html html/planis.html; do
    [ -s "$program_dir/$opened" ] || fail "lib/kinea/$opened missing"
done

# What desktops and software centres read.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no software centre page $metainfo"
entry=$(sed -n 's,.*<launchable type="desktop-id">\(.*\)</launchable>.*,\1,p' "$metainfo")
desktop=$prefix/share/applications/$entry
[ -n "$entry" ] && [ -f "$desktop" ] || fail "the software centre page names no installed menu entry ($entry)"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon in the hicolor theme"
if grep -q '@[A-Z_]*@' "$metainfo"; then fail "unfilled field in $metainfo"; fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" | grep -v ': hint: ' && fail "desktop-file-validate"
else
    echo "desktop-file-validate not installed: menu entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }
else
    echo "appstreamcli not installed: software centre page not validated"
fi

[ -f "$program_dir/Kinea.installed" ] || fail "no Kinea.installed marking the installed copy"
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "$tool not installed: the installed program not run"; exit 77; }
done

# A private X server: the program runs as a user sees it, and xdotool types.
Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x1024x24 >"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
waited=0
while [ ! -s "$work/display" ] && [ $waited -lt 20 ]; do sleep 1; waited=$((waited + 1)); done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n 1 "$work/display")"

chmod 755 "$work" "$root" "$prefix" "$prefix/lib" "$program_dir"
chmod 777 "$prefix/bin"
before=$(ls -A "$program_dir" "$prefix/bin")
command=$(sed -n 's/^Exec=//p' "$desktop")

# run NAME UID: starts the program as the menu would, as that user with a
# home of its own, quits it from the launcher's menu ("Utiliser", then
# "Quitter": Alt+U, Q), and checks where its settings went.
run() {
    name=$1; uid=$2
    home=$work/home-$name; runtime=$work/run-$name
    mkdir -p "$home" "$runtime"
    chown "$uid:$uid" "$home" "$runtime" 2>/dev/null || true
    chmod 700 "$runtime"
    as=""
    [ "$uid" = "$(id -u)" ] || as="setpriv --reuid=$uid --regid=$uid --clear-groups"
    # A sanitizer build's leak report at exit is the test suite's business,
    # and its suppressions file may not be readable by the other user.
    env -u LSAN_OPTIONS ASAN_OPTIONS=detect_leaks=0 \
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$runtime" PATH="$prefix/bin:$PATH" \
        QT_QPA_PLATFORM=xcb $as $command >"$work/run-$name.log" 2>&1 &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --pid $pid --name "La physique en mouvement" | head -n 1)
    [ -n "$window" ] || { cat "$work/run-$name.log"; fail "$name: no launcher window"; }
    running=$(readlink "/proc/$pid/exe" || true)
    [ -z "$running" ] || [ "$running" = "$(readlink -f "$program_dir/kinea")" ] || fail "the menu entry started $running"
    # The start-up screen and the tip of the day come first: ask until the
    # launcher has the keyboard and goes.
    tries=0
    while kill -0 $pid 2>/dev/null && [ $tries -lt 30 ]; do
        xdotool windowfocus --sync "$window" 2>/dev/null && xdotool key --delay 200 alt+u q 2>/dev/null || true
        sleep 1; tries=$((tries + 1))
    done
    kill -0 $pid 2>/dev/null && { kill $pid; cat "$work/run-$name.log"; fail "$name: Kinea did not quit from its menu"; }
    status=0; wait $pid || status=$?
    [ $status = 0 ] || { cat "$work/run-$name.log"; fail "$name: Kinea ended with status $status"; }
    ini=$home/.config/Kinea/Kinea.ini
    grep -q '^\[Access\]' "$ini" 2>/dev/null || fail "$name: no Kinea.ini written in the configuration folder"
    [ "$(stat -c %u "$ini")" = "$uid" ] || fail "$name: $ini not owned by its user"
    [ "$(ls -A "$program_dir" "$prefix/bin")" = "$before" ] || fail "$name: files appeared in the install: $(ls -A "$program_dir")"
    echo "run as $name: settings in $ini, nothing in the install folder"
}

run "$(id -un)" "$(id -u)"
# Root first, then another user, as on a school's workstation.
[ "$(id -u)" != 0 ] || run nobody 65534
echo "installed tree checked in $root"
