#!/bin/sh
# Builds the Debian package into a scratch folder and checks what apt and a
# technician rely on: its fields, the run-time packages it declares, and the
# installed tree it carries (program beside its files, link, menu entry).
# Usage: check-package.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps file; do
    command -v $tool >/dev/null || { echo "$tool not installed: package not checked"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/kinea_*.deb)
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = kinea ] || fail "package named $(field Package)"
[ "$(field Section)" = education ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
field Description | head -n 1 | grep -q "physique pour la classe" || fail "description: $(field Description | head -n 1)"

# Every run-time package the program needs, found by its libraries or named.
depends=$(field Depends | tr -d ' ' | tr ',|' '\n\n' | sed 's/(.*//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libjpeg62-turbo \
              fonts-liberation2; do
    echo "$depends" | grep -qx "$needed" || fail "Depends lacks $needed: $(field Depends)"
done

dpkg-deb --contents "$deb" >"$work/contents"
has() { grep -q -- "$1" "$work/contents" || fail "the package lacks $1"; }
has " \./usr/bin/kinea -> \.\./lib/kinea/kinea$"
has " \./usr/lib/kinea/kinea$"
has " \./usr/lib/kinea/Kinea\.html$"
has " \./usr/lib/kinea/lisezmoi\.txt$"
has " \./usr/lib/kinea/Kinea\.installed$"
has " \./usr/lib/kinea/html/cinemometres\.html$"
has " \./usr/lib/kinea/html/planis\.html$"
has " \./usr/share/applications/kinea\.desktop$"
has " \./usr/share/icons/hicolor/scalable/apps/kinea\.svg$"
has " \./usr/share/metainfo/$id\.metainfo\.xml$"
has " \./usr/share/doc/kinea/copyright$"
if grep -v ' root/root ' "$work/contents"; then fail "files not owned by root"; fi
echo "package $deb checked"
