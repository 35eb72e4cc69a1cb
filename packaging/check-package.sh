#!/bin/sh
# Builds the Debian package into a scratch folder and checks what apt and a
# technician rely on: its fields, the run-time packages it declares, the
# installed tree it carries (program beside its files, link, menu entry,
# icons, manual page, changelog), a program built with Debian's hardening
# flags, and lintian's verdict: no error and no warning (one accepted
# would be overridden in the package, with its reason beside it).
# Usage: check-package.sh BUILD_DIR APP_ID [hardened|other|instrumented]
# (the flags the program was built with: dpkg-buildflags' ones, others, or
# a sanitizer's).
set -eu
build=$1
id=$2
flags=${3:-hardened}

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in dpkg-deb dpkg-shlibdeps file readelf lintian; do
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
has " \./usr/share/doc/kinea/changelog\.gz$"
has " \./usr/share/man/man6/kinea\.6\.gz$"
for size in 48 64 128 256; do
    has " \./usr/share/icons/hicolor/${size}x$size/apps/kinea\.png$"
done
if grep -v ' root/root ' "$work/contents"; then fail "files not owned by root"; fi

tree=$work/tree
dpkg-deb --extract "$deb" "$tree"
for size in 48 64 128 256; do
    file "$tree/usr/share/icons/hicolor/${size}x$size/apps/kinea.png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" \
        || fail "the $size pixel icon is not a $size x $size PNG with transparency"
done
# The changelog's latest entry is this very version.
latest=$(gzip -dc "$tree/usr/share/doc/kinea/changelog.gz" | sed -n '1s/^kinea (\([^)]*\)).*/\1/p')
[ "$latest" = "$(field Version)" ] || fail "changelog's latest entry is $latest, the package $(field Version)"

# Debian's hardening: a stack protector, relocations read-only after
# start-up and resolved at once. (Fortified functions leave a mark only
# where a call can be checked: the build's flags are what says they are on.)
program=$tree/usr/lib/kinea/kinea
if [ "$flags" = hardened ]; then
    readelf -lW "$program" | grep -q GNU_RELRO || fail "program built without RELRO"
    readelf -dW "$program" | grep -q 'FLAGS.*BIND_NOW' || fail "program built without immediate binding (bindnow)"
    readelf -sW --dyn-syms "$program" | grep -q '__stack_chk_fail' || fail "program built without the stack protector"
else
    echo "program built with other flags than dpkg-buildflags': hardening not checked"
fi

# lintian judges the package as Debian's archive would.
case $flags in
    hardened) suppressed="" ;;
    other) suppressed="--suppress-tags hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions" ;;
    *) suppressed=none ;;
esac
if [ "$suppressed" != none ]; then
    lintian --fail-on error,warning --tag-display-limit 0 $suppressed "$deb" >"$work/lintian.log" 2>&1 \
        || { cat "$work/lintian.log"; fail "lintian"; }
    if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian"; fi
else
    echo "instrumented program: lintian not run"
fi
echo "package $deb checked"
