#!/bin/sh
# Makes the portable zip: tandrel.exe, LICENSE and README.txt (README.md's part for users, up to
# its Linux part, without its pictures), both texts with Windows line ends. Nothing to install.
#   portable.sh PROGRAM SOURCE_FOLDER ZIP  (ZIP a full path)
set -eu
STAGE="$3.files"
rm -rf "$STAGE" "$3"
mkdir -p "$STAGE"
cp "$1" "$STAGE/tandrel.exe"
sed 's/$/\r/' "$2/LICENSE" >"$STAGE/LICENSE"
awk '/^## Building and testing on Linux/ { exit } !/^[ \t]*!\[/' "$2/README.md" | cat -s |
    sed 's/$/\r/' >"$STAGE/README.txt"
(cd "$STAGE" && zip -q -X -9 "$3" tandrel.exe LICENSE README.txt)
rm -rf "$STAGE"
