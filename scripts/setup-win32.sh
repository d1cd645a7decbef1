#!/bin/sh
# Makes this machine run 32-bit Windows programs under Wine, so that the tests can run the 32-bit
# release itself: Debian's 32-bit half of Wine (wine32:i386, the version of wine64) and, where
# the processor does not run 32-bit x86 code (the kernel answers "Exec format error"), qemu's
# user-mode emulator registered with the kernel for 32-bit x86 programs. The emulator is qemu 10
# from bookworm-backports: Debian 12's own qemu 7.2 needs about a minute for a hello world.
# Changes nothing that is already right. Needs root to change anything; otherwise, or when the
# kernel cannot be told, it says what is missing and fails.
#   --check               changes nothing; one line on what is missing, and fails, if anything is
#   TANDREL_SKIP_WIN32=1  skips all of it
set -eu
LOADER32=/usr/lib/wine/wine
BINFMT=/proc/sys/fs/binfmt_misc
ENTRY=qemu-i386
# The header of a 32-bit x86 ELF program, and which of its bits matter (as qemu registers it).
MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

[ "${TANDREL_SKIP_WIN32:-0}" = 1 ] && exit 0
CHECK=0
[ "${1:-}" = --check ] && CHECK=1

fail() {
    echo "32-bit Windows programs cannot run here: $*" >&2
    exit 1
}
runs32() { "$LOADER32" --version >/dev/null 2>&1; }
installed() { dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null | sed -n 's/^install ok installed //p'; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y -qq "$@" >/dev/null; }
# The emulator: qemu 10 ships it as qemu-i386 (static), older backports as qemu-i386-static.
qemu() {
    for q in /usr/bin/qemu-i386-static /usr/bin/qemu-i386; do
        [ -x "$q" ] && "$q" --version 2>/dev/null | grep -q 'version \([1-9][0-9]\)\.' && { echo "$q"; return; }
    done
    return 0
}

# The 32-bit half of a library must be the very version of its 64-bit half. When a mirror serves
# an i386 index older than the amd64 one (seen: "File has unexpected size ... Mirror sync in
# progress?" for bookworm-security), that version may be missing from it: the 64-bit side is then
# brought up to date, and the 32-bit files of the versions the i386 index lacks are fetched from
# the same pool and offered to apt, preferred, as a local source for this install.
LOCAL=/var/cache/tandrel-i386
LOCAL_LIST=/etc/apt/sources.list.d/tandrel-i386.list
match_i386() {
    echo "The i386 index lacks versions installed for amd64: fetching them from the pool"
    apt -o Dpkg::Options::=--force-confold dist-upgrade
    apt install curl dpkg-dev
    rm -rf "$LOCAL"
    mkdir -p "$LOCAL"
    dpkg-query -W -f='${Package} ${Version} ${Multi-Arch} ${Architecture}\n' |
        awk '$3 == "same" && $4 == "amd64" {print $1, $2}' >"$LOCAL/installed"
    sed 's/ .*/:i386/' "$LOCAL/installed" | xargs apt-cache madison 2>/dev/null |
        awk -F' *[|] *' '{sub(/^ */, "", $1); sub(/:i386$/, "", $1); print $1, $2}' >"$LOCAL/i386"
    cut -d' ' -f1 "$LOCAL/installed" | xargs apt-cache madison 2>/dev/null |
        awk -F' *[|] *' '/amd64 Packages/ {sub(/^ */, "", $1); split($3, u, " "); print $1, $2, u[1]}' >"$LOCAL/amd64"
    grep -vxFf "$LOCAL/i386" "$LOCAL/installed" | while read -r p v; do
        uri=$(awk -v p="$p" -v v="$v" '$1 == p && $2 == v {print $3; exit}' "$LOCAL/amd64")
        file=$(apt-cache show "$p=$v" 2>/dev/null | sed -n 's/^Filename: \(.*\)_amd64\.deb$/\1_i386.deb/p' | head -n 1)
        [ -n "$uri" ] && [ -n "$file" ] && curl -sf "$uri/$file" -o "$LOCAL/${file##*/}" || true
    done
    (cd "$LOCAL" && dpkg-scanpackages -m . /dev/null >Packages 2>/dev/null)
    echo "deb [trusted=yes] file:$LOCAL ./" >"$LOCAL_LIST"
    apt update || true
}

# 1. The 32-bit half of Wine, of the same version as the 64-bit half.
WINE64=$(installed wine64)
[ -n "$WINE64" ] || fail "wine64 is not installed (run scripts/setup.sh as root)"
if [ "$(installed wine32:i386)" != "$WINE64" ]; then
    [ "$CHECK" = 0 ] && [ "$(id -u)" = 0 ] ||
        fail "wine32:i386 $WINE64 is missing (as root: dpkg --add-architecture i386; apt-get update; apt-get install wine32:i386=$WINE64; or run scripts/setup-win32.sh as root)"
    echo "Installing wine32:i386 $WINE64"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    # An index that failed to come (a mirror half-synced) is said, and the others are used.
    apt update || true
    apt install --no-install-recommends "wine32:i386=$WINE64" || {
        match_i386
        apt install --no-install-recommends "wine32:i386=$WINE64"
        rm -f "$LOCAL_LIST"
        apt update || true
    }
fi
runs32 && exit 0

# 2. The processor refuses 32-bit code: emulate it.
QEMU=$(qemu)
if [ -z "$QEMU" ]; then
    [ "$CHECK" = 0 ] && [ "$(id -u)" = 0 ] ||
        fail "qemu-user 10 from bookworm-backports is missing (run scripts/setup-win32.sh as root)"
    if ! grep -rqs '^[^#]*bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources; then
        # The same mirror as the other Debian sources.
        URI=$(grep -hs '^URIs:.*/debian/\?$' /etc/apt/sources.list.d/*.sources | awk '{print $2; exit}')
        URI=${URI:-$(awk '$1 == "deb" && $3 == "bookworm" {print $2; exit}' /etc/apt/sources.list 2>/dev/null)}
        URI=${URI:-http://deb.debian.org/debian}
        echo "Adding the bookworm-backports source ($URI)"
        printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
            "$URI" /usr/share/keyrings/debian-archive-keyring.gpg >/etc/apt/sources.list.d/bookworm-backports.sources
    fi
    echo "Installing qemu-user from bookworm-backports"
    apt update || true # as above: the backports index is what counts here
    apt install --no-install-recommends -t bookworm-backports qemu-user
    QEMU=$(qemu)
    [ -n "$QEMU" ] || fail "bookworm-backports has no qemu-user of version 10 or later"
fi

# 3. The kernel hands 32-bit x86 programs to the emulator, keeping their argv[0].
if [ ! -e "$BINFMT/register" ]; then
    [ "$CHECK" = 0 ] && [ "$(id -u)" = 0 ] ||
        fail "binfmt_misc is not mounted (as root: mount -t binfmt_misc binfmt_misc $BINFMT)"
    mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null ||
        fail "binfmt_misc cannot be mounted on $BINFMT (the kernel or the container does not allow it)"
fi
if ! grep -qs '^enabled' "$BINFMT/$ENTRY" || ! grep -qs "^interpreter $QEMU\$" "$BINFMT/$ENTRY"; then
    [ "$CHECK" = 0 ] && [ "$(id -u)" = 0 ] ||
        fail "no binfmt_misc entry hands 32-bit x86 programs to $QEMU (run scripts/setup-win32.sh as root)"
    # An entry of that name that does not work (disabled, or another emulator) is replaced.
    [ -e "$BINFMT/$ENTRY" ] && echo -1 >"$BINFMT/$ENTRY"
    echo "Registering $QEMU for 32-bit x86 programs"
    printf ':%s:M::%s:%s:%s:PF\n' "$ENTRY" "$MAGIC" "$MASK" "$QEMU" >"$BINFMT/register" ||
        fail "the kernel refused the binfmt_misc entry for $QEMU"
fi
runs32 || fail "$LOADER32 does not start, even through $QEMU"
