#!/bin/sh
# Builds both targets and runs every test under Wine, headless.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
# The code keeps the repository's format ("clang-format -i FILE" mends a file).
find src tools tests \( -name '*.cpp' -o -name '*.h' \) -print | sort |
    xargs clang-format --dry-run --Werror || {
    echo "Some code is not in the repository's format: see above" >&2
    exit 1
}
file build/i686/tandrel.exe | grep -q "PE32 executable (GUI) Intel 80386" || {
    echo "build/i686/tandrel.exe is not a 32-bit GUI program" >&2
    exit 1
}
cd build/x64
ctest --output-on-failure -LE win32 "$@"
cd ../..
# The 32-bit part: the release itself, driven from outside, and the text forming built for i686,
# under 32-bit Wine (scripts/setup-win32.sh).
if [ "${TANDREL_SKIP_WIN32:-0}" = 1 ]; then
    echo "32-bit part skipped (TANDREL_SKIP_WIN32=1): the release build/i686/tandrel.exe was not tested"
    exit 0
fi
sh scripts/setup-win32.sh --check
ctest --test-dir build/i686 --output-on-failure "$@"
ctest --test-dir build/x64 --output-on-failure -L win32 "$@"
