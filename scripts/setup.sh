#!/bin/sh
# Installs what building and testing need on Debian 12, if anything is missing.
set -eu
PACKAGES="cmake make file g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb xauth pdftk-java googletest clang-format nsis zip unzip"
[ "${TANDREL_PICTURES:-0}" = 1 ] && PACKAGES="$PACKAGES imagemagick x11-apps fonts-paratype"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# Then what the 32-bit part of the tests needs; scripts/test.sh stops if that is missing.
win32() { sh "$(dirname "$0")/setup-win32.sh" || true; }
[ -z "$missing" ] && { win32; exit 0; }
if [ "$(id -u)" != 0 ]; then
    echo "These Debian packages are missing:$missing" >&2
    echo "Install them as root (apt-get update && apt-get install$missing), or run this as root." >&2
    exit 1
fi
echo "Installing:$missing"
# An index that failed to come (a mirror half-synced) is said, and the others are used.
apt-get update -qq || true
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
win32
