#!/usr/bin/env bash
# Builds the libraries Kinea needs for 64-bit Windows (Qt's qtbase, libjpeg-turbo,
# GoogleTest) from Debian's own sources, once, into a cache folder outside the
# checkout. The folder's name carries the versions of the sources and of the
# compiler, and RECIPE below, so that any change builds a new one and every
# clone on the machine reuses the same. Prints the cache folder (and only that) on stdout.
#   KINEA_CACHE   where the cache folders live (default ~/.cache/kinea)
#   JOBS          parallel compile jobs (default: nproc)
# With --check, builds nothing: succeeds when the cache folder is complete.
set -euo pipefail

# Bump when the configuration below changes the built libraries.
RECIPE=1
HERE=$(cd "$(dirname "$0")" && pwd)
JOBS=${JOBS:-$(nproc)}
MINGW=x86_64-w64-mingw32

version() { dpkg-query -W -f='${Version}' "$1"; }
QT_VERSION=$(version qt6-base-dev)          # the host Qt: its tools build the cross Qt
JPEG_VERSION=$(version libjpeg62-turbo-dev)
GTEST_VERSION=$(version libgtest-dev)
GCC_VERSION=$(version g++-mingw-w64-x86-64-posix)
KEY=$(echo "r$RECIPE-qt$QT_VERSION-jpeg$JPEG_VERSION-gtest$GTEST_VERSION-gcc$GCC_VERSION" | tr -c 'A-Za-z0-9.+\n-' '_')
CACHE=${KINEA_CACHE:-$HOME/.cache/kinea}/win64-$KEY
PREFIX=$CACHE/prefix

if [ -f "$PREFIX/.complete" ]; then
  echo "$CACHE"
  exit 0
fi
if [ "${1:-}" = --check ]; then
  exit 1
fi

log() { echo "== crossdeps: $*" >&2; }
log "building into $CACHE (log lines follow)"
# An interrupted run resumes: each finished stage leaves a stamp in work/.
mkdir -p "$CACHE/work" "$PREFIX"
cp "$HERE/mingw64.cmake" "$CACHE/mingw64.cmake"
TOOLCHAIN=$CACHE/mingw64.cmake
cd "$CACHE/work"
stage() {
  if [ ! -f "$CACHE/work/$1.done" ]; then
    "$1"
    touch "$CACHE/work/$1.done"
  fi
}

# Debian's source packages through a private apt configuration, so that the
# machine's own source lists stay as they are.
fetch_sources() {
  local apt=$CACHE/work/apt
  mkdir -p "$apt/lists/partial" "$apt/sources.list.d"
  cat >"$apt/sources.list.d/kinea-src.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  local opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d"
              -o Dir::State::Lists="$apt/lists" -o APT::Sandbox::User=root)
  apt-get "${opts[@]}" update >&2
  (cd "$CACHE/work" && apt-get "${opts[@]}" source --download-only \
     "qt6-base=$QT_VERSION" "libjpeg-turbo=$JPEG_VERSION" >&2)
}

build_qt() {
  log "Qt $QT_VERSION"
  local src=$CACHE/work/qtbase-everywhere-src-${QT_VERSION%%+*}
  [ -d "$src" ] || tar xf qt6-base_*.orig.tar.xz
  mkdir -p "$src/src/3rdparty/wintab"
  cp /usr/include/wine/wine/windows/pktdef.h "$src/src/3rdparty/wintab/"
  cp /usr/include/wine/wine/windows/wintab.h "$src/src/3rdparty/wintab/wine-wintab.h"
  cp "$HERE/wintab.h" "$src/src/3rdparty/wintab/wintab.h"
  mkdir -p qt-build
  # Configured once; ninja then carries on from where a stopped build was.
  [ -f qt-build/build.ninja ] || (cd qt-build && "$src/configure" -prefix "$PREFIX" -xplatform win32-g++ -qt-host-path /usr \
     -release -shared -strip -no-opengl -no-dbus -no-icu -nomake examples -nomake tests \
     -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion \
     -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent \
     -- -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2)
  cmake --build qt-build --parallel "$JOBS" >&2
  cmake --install qt-build >&2
}

build_jpeg() {
  log "libjpeg-turbo $JPEG_VERSION"
  rm -rf libjpeg-turbo-*/ jpeg-build
  tar xf libjpeg-turbo_*.orig.tar.gz
  cmake -S libjpeg-turbo-*/ -B jpeg-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF >&2
  cmake --build jpeg-build --parallel "$JOBS" >&2
  cmake --install jpeg-build >&2
}

build_gtest() {
  log "GoogleTest $GTEST_VERSION"
  cmake -S /usr/src/googletest -B gtest-build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" >&2
  cmake --build gtest-build --parallel "$JOBS" >&2
  cmake --install gtest-build >&2
}

stage fetch_sources
stage build_jpeg
stage build_gtest
stage build_qt
# The compiler's run-time DLLs travel with the program.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
  cp "$(dirname "$($MINGW-g++-posix -print-libgcc-file-name)")/$dll" "$PREFIX/bin/"
done
cp /usr/$MINGW/lib/libwinpthread-1.dll "$PREFIX/bin/"
rm -rf "$CACHE/work"
touch "$PREFIX/.complete"
log "done"
echo "$CACHE"
