#!/bin/sh
# Photographs the window: each tab page, in French and English, at 100 % and 200 %, and the first
# page in each language at 144 DPI, as PNG files in build/x64/pictures/. Starts its own X server
# (Xvfb) unless DISPLAY is set.
#   --measure  photographs nothing: prints whether each caption fits its control, one line per
#              control, also kept in build/x64/pictures/measure.txt; fails if one does not.
#              TANDREL_FONT=face tries another face for Microsoft Sans Serif.
set -eu
cd "$(dirname "$0")/.."
TANDREL_PICTURES=1 sh scripts/setup.sh
sh scripts/build.sh
# The program's manifest beside the photographer, so that it gets the same common controls (6).
cp build/x64/tandrel.manifest build/x64/tools/pictures.exe.manifest
OUT="$PWD/build/x64/pictures"
mkdir -p "$OUT"
XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:93
    Xvfb "$DISPLAY" -screen 0 1700x900x24 >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 1
fi
if [ "${1:-}" = --measure ]; then
    # The captions are Windows-1252, the lines end in CR LF.
    sh scripts/wine-x11.sh build/x64/tools/pictures.exe --measure >"$OUT/measure.1252" || status=$?
    iconv -f CP1252 -t UTF-8 "$OUT/measure.1252" | tr -d "\r" | tee "$OUT/measure.txt"
    rm -f "$OUT/measure.1252"
else
    rm -f "$OUT"/*.bmp "$OUT"/*.png
    WINOUT=$(printf 'Z:%s' "$OUT" | tr / '\\')
    sh scripts/wine-x11.sh build/x64/tools/pictures.exe "$WINOUT" || status=$?
    # Then on a screen of 144 DPI (150 %), which Wine takes from the prefix as a program starts.
    dpi() {
        sh scripts/wine-x11.sh reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
            /d "$1" /f >/dev/null
    }
    dpi 144
    sh scripts/wine-x11.sh build/x64/tools/pictures.exe "$WINOUT" || status=$?
    dpi 96
    for f in "$OUT"/*.bmp; do
        [ -e "$f" ] || continue
        convert "$f" "${f%.bmp}.png" && rm -f "$f"
    done
    ls "$OUT"
fi
# Wine's last processes gone before their X server.
WINEPREFIX="$PWD/build/x64/wineprefix-x11" /usr/lib/wine/wineserver -w || true
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
exit "${status:-0}"
