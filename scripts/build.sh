#!/bin/sh
# Builds the 32-bit release (build/i686: the program, its installer and portable zip) and the
# 64-bit build with tests and tools (build/x64); "build.sh i686" only the first.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/i686 -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release -DTANDREL_TESTS=ON >/dev/null
cmake --build build/i686 -j "$JOBS"
# The release (scripts/release.sh) needs no more.
[ "${1:-}" = i686 ] && exit 0
cmake -S . -B build/x64 -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake -DCMAKE_BUILD_TYPE=Release -DTANDREL_TESTS=ON -DTANDREL_WINDOW_TESTS=ON >/dev/null
cmake --build build/x64 -j "$JOBS"
