#!/bin/sh
# Installs Kinea into a staging root, as a package build does, and checks
# what a desktop and the program itself expect of it:
#   - usr/bin/kinea is a relative link to the program in usr/lib/kinea/,
#     beside every file of docs/ (help, readme, documents);
#   - the menu entry, its icon and the software centre's page are where
#     desktops look, and their validators accept them (when installed);
#   - the menu entry's command starts the installed program, which takes
#     usr/lib/kinea/ as its folder: finding it read-only, it keeps its
#     settings in the user's configuration folder, not beside the link.
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

# Start it as the menu would, as a user who cannot write into lib/kinea/ but
# can into bin/: a program that took the link's folder for its own would keep
# its settings there instead of in the user's configuration folder.
home=$work/home
mkdir -p "$home" "$work/run"
chmod 755 "$work" "$root" "$prefix" "$prefix/lib" "$program_dir"
chmod 777 "$prefix/bin"
run_as=""
if [ "$(id -u)" = 0 ]; then
    chown 65534:65534 "$home" "$work/run"
    run_as="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    chmod a-w "$program_dir"
fi
chmod 700 "$work/run"
command=$(sed -n 's/^Exec=//p' "$desktop")
env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$work/run" \
    PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen $run_as $command >"$work/run.log" 2>&1 &
pid=$!
# Wait for the settings folder (made when the launcher loads its settings),
# then let the program run a little longer: it must not stop by itself.
waited=0
while [ ! -d "$home/.config/Kinea" ] && [ $waited -lt 60 ] && kill -0 $pid 2>/dev/null; do
    sleep 1; waited=$((waited + 1))
done
sleep 2
if ! kill -0 $pid 2>/dev/null; then
    status=0; wait $pid || status=$?
    cat "$work/run.log"
    fail "the installed program stopped at start (status $status)"
fi
running=$(readlink "/proc/$pid/exe" || true)
[ -z "$running" ] || [ "$running" = "$(readlink -f "$program_dir/kinea")" ] || fail "the menu entry started $running"
kill $pid
{ wait $pid; } 2>/dev/null || true
chmod u+w "$program_dir"
[ -d "$home/.config/Kinea" ] || fail "the settings were not moved to the user's configuration folder"
[ ! -e "$prefix/bin/Kinea.ini" ] || fail "settings written beside the link"
echo "installed tree checked in $root"
