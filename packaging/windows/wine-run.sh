#!/bin/sh
# wine-run.sh CROSS_PREFIX WINE_PREFIX PROGRAM.exe [ARGUMENTS...]
# How CTest runs a Windows test executable (CMAKE_CROSSCOMPILING_EMULATOR):
# under Wine, with the Qt and compiler DLLs and Qt's plug-ins of the cross
# prefix, leaving out the tests listed in wine-exclusions.txt for it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cross=$1
export WINEPREFIX="$2"
program=$3
shift 3
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A Windows path: Wine's Z: drive is the root of the Linux tree. Qt finds
# its plug-ins beside its DLLs (Wine does not pass QT_* variables on); the
# test mains choose the offscreen platform themselves.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
export WINEPATH="$(windows_path "$cross/bin")"

name=$(basename "$program" .exe)
excluded=$(awk -v name="$name" '$1 == name { printf "%s%s", sep, $2; sep = ":" }' "$here/wine-exclusions.txt")
if [ -n "$excluded" ]; then
  set -- "--gtest_filter=-$excluded" "$@"
fi
exec wine "$program" "$@" < /dev/null
