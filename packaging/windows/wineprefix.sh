#!/bin/sh
# wineprefix.sh PREFIX: the Wine prefix the Windows tests run in, made once:
# Wine's own fonts (a new prefix has none) and Arial drawn as Liberation
# Sans, as on a school computer without Arial.
set -eu
export WINEPREFIX="$1"
export WINEDEBUG=-all
# No Mono or Gecko download prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$WINEPREFIX/.kinea-ready" ]; then
  exit 0
fi
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wine wineboot --init >/dev/null 2>&1
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.kinea-ready"
