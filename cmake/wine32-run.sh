#!/bin/sh
# Runs a Windows program of the tests of the 32-bit release (the text forming tests built for
# i686, and the driver that starts build/i686/tandrel.exe) under Wine, headless, in the prefix
# of the 32-bit runs: build/i686/wineprefix unless TANDREL_WINEPREFIX names another. That is a
# 64-bit prefix made once 32-bit Wine is installed, so that 32-bit and 64-bit programs run side
# by side in it; the prefix of the 64-bit tests may be older than 32-bit Wine.
# Says in one line what is missing when this machine cannot run 32-bit programs.
set -e
HERE=$(cd "$(dirname "$0")" && pwd)
sh "$HERE/../scripts/setup-win32.sh" --check
: "${TANDREL_WINEPREFIX:=$HERE/../build/i686/wineprefix}"
export TANDREL_WINEPREFIX
exec sh "$HERE/wine-run.sh" "$@"
