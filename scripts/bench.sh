#!/bin/sh
# Prints what the program costs beyond the tool: one line per figure, measured in one run under
# Wine (64-bit build, headless), with the fake tool.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh >/dev/null
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
SCRATCH="$PWD/build/x64/bench-scratch"
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
TANDREL_WINEPREFIX="$PWD/build/x64/wineprefix" sh cmake/wine-run.sh build/x64/tools/bench.exe \
    "$(winpath "$PWD/build/x64/fake/pdftk.exe")" "$(winpath "$SCRATCH")" \
    "$(winpath "$PWD/build/i686/tandrel.exe")"
