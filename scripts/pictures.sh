#!/bin/sh
# Photographs the window: each tab page, in French and English, at 100 % and 200 %, as PNG files
# in build/x64/pictures/. Starts its own X server (Xvfb) unless DISPLAY is set.
set -eu
cd "$(dirname "$0")/.."
TANDREL_PICTURES=1 sh scripts/setup.sh
sh scripts/build.sh
OUT="$PWD/build/x64/pictures"
mkdir -p "$OUT"
rm -f "$OUT"/*.bmp "$OUT"/*.png
XVFB_PID=""
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:93
    Xvfb "$DISPLAY" -screen 0 1700x900x24 >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 1
fi
WINOUT=$(printf 'Z:%s' "$OUT" | tr / '\\')
TANDREL_WINEPREFIX="$PWD/build/x64/wineprefix-x11" TANDREL_WINE_DRIVER=x11 \
    sh cmake/wine-run.sh build/x64/tools/pictures.exe "$WINOUT" || status=$?
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
for f in "$OUT"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
ls "$OUT"
exit "${status:-0}"
