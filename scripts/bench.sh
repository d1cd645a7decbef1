#!/bin/sh
# What the program costs beyond the tool, measured under Wine (64-bit build, headless) with the
# fake tool, each figure in rounds of processes of their own; then a re-compress by the real tool
# of a 50 MB file under a plain name and under names given to it as stand-ins.
#   sh scripts/bench.sh                  every figure of this build, one line each
#   sh scripts/bench.sh --against [REV]  this build's figures beside those of REV (default: the
#                                        build before this one), their rounds taking turns
# REV is built in a scratch worktree (build/bench-ref) with this bench's own source, so that
# both builds are measured alike on the same files.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh >/dev/null
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
bench() {
    TANDREL_WINEPREFIX="$PWD/build/x64/wineprefix" sh cmake/wine-run.sh build/x64/tools/bench.exe "$@"
}
SCRATCH="$PWD/build/x64/bench-scratch"
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
FAKE=$(winpath "$PWD/build/x64/fake/pdftk.exe")
# The page edits' figure runs Debian's tool behind the bridge.
export TANDREL_BENCH_REAL
TANDREL_BENCH_REAL=$(winpath "$PWD/build/x64/bridge/pdftk.exe")

if [ "${1:-}" = --against ]; then
    REV=${2:-}
    if [ -z "$REV" ]; then
        # The build before this one: HEAD when the working tree changes src/, else the commit
        # before the last one that did.
        if git diff --quiet HEAD -- src; then
            REV="$(git log -1 --format=%H -- src)^"
        else
            REV=HEAD
        fi
    fi
    REF="$PWD/build/bench-ref"
    rm -rf "$REF/tree"
    git worktree prune
    git worktree add --detach --force "$REF/tree" "$REV" >/dev/null
    echo "against $(git -C "$REF/tree" log -1 --format='%h %s' | cut -c1-90)"
    cp tools/bench.cpp tools/bench_*.h "$REF/tree/tools/"
    cmake -S "$REF/tree" -B "$REF/build" -DCMAKE_TOOLCHAIN_FILE="$REF/tree/cmake/x86_64-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DTANDREL_WINDOW_TESTS=ON >/dev/null
    cmake --build "$REF/build" --target bench -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
    bench --against "$(winpath "$REF/build/tools/bench.exe")" "$FAKE" "$(winpath "$SCRATCH")"
    git worktree remove --force "$REF/tree"
    exit 0
fi

# A temporary folder on another file system than the build's: there a hard link cannot be made.
OTHER_TEMP=/dev/shm/tandrel-bench-temp
mkdir -p "$OTHER_TEMP"
bench "$FAKE" "$(winpath "$SCRATCH")" "$(winpath "$PWD/build/i686/tandrel.exe")" \
    "$(winpath "$PWD/build/x64/bridge/pdftk.exe")" "$(winpath "$OTHER_TEMP")"
