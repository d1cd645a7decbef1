#!/bin/sh
# Builds the program and starts it under Wine in your X display, with the bridge to Debian's
# pdftk beside it as pdftk.exe.
set -eu
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    echo "No X display: DISPLAY is not set." >&2
    echo "Start one, for example:  Xvfb :1 -screen 0 1700x900x24 &  export DISPLAY=:1" >&2
    echo "(or run this from a desktop session)." >&2
    exit 1
fi
# The font of the window (scripts/wine-x11.sh) comes with the packages of the pictures.
TANDREL_PICTURES=1 sh scripts/setup.sh
sh scripts/build.sh
RUN=build/x64/run
mkdir -p "$RUN"
cp build/x64/tandrel.exe "$RUN/tandrel.exe"
cp build/x64/bridge/pdftk.exe "$RUN/pdftk.exe"
exec sh scripts/wine-x11.sh "$RUN/tandrel.exe"
