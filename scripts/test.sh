#!/bin/sh
# Builds both targets and runs every test under Wine, headless.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
file build/i686/tandrel.exe | grep -q "PE32 executable (GUI) Intel 80386" || {
    echo "build/i686/tandrel.exe is not a 32-bit GUI program" >&2
    exit 1
}
cd build/x64
ctest --output-on-failure "$@"
