#!/bin/sh
# Prints what the program costs beyond the tool: one line per figure, measured in one run under
# Wine (64-bit build, headless), with the fake tool; and a re-compress by the real tool of a
# 50 MB file under a plain name and under names given to it as stand-ins.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh >/dev/null
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
SCRATCH="$PWD/build/x64/bench-scratch"
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
# A temporary folder on another file system than the build's: there a hard link cannot be made.
OTHER_TEMP=/dev/shm/tandrel-bench-temp
mkdir -p "$OTHER_TEMP"
TANDREL_WINEPREFIX="$PWD/build/x64/wineprefix" sh cmake/wine-run.sh build/x64/tools/bench.exe \
    "$(winpath "$PWD/build/x64/fake/pdftk.exe")" "$(winpath "$SCRATCH")" \
    "$(winpath "$PWD/build/i686/tandrel.exe")" "$(winpath "$PWD/build/x64/bridge/pdftk.exe")" \
    "$(winpath "$OTHER_TEMP")"
