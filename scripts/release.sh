#!/bin/sh
# Builds the release of the 32-bit program into dist/: tandrel-<version>-setup.exe, the installer,
# and tandrel-<version>-portable.zip, with the version of project() in CMakeLists.txt.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh i686
cmake --build build/i686 --target release
ls -l dist
