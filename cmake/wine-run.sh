#!/bin/sh
# Runs a Windows program under Wine in the build's private, headless prefix.
# TANDREL_WINEPREFIX names the prefix (ctest sets it to one under the build folder);
# TANDREL_WINE_DRIVER=x11 shows real windows (the run and picture commands), null otherwise.
set -e
WINE=/usr/lib/wine/wine64
: "${TANDREL_WINEPREFIX:=$PWD/wineprefix}"
: "${TANDREL_WINE_DRIVER:=null}"
export WINEPREFIX="$TANDREL_WINEPREFIX"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
mkdir -p "$WINEPREFIX"
(
    # One set-up at a time when tests start together.
    flock 9
    if [ ! -f "$WINEPREFIX/.tandrel-ready" ]; then
        "$WINE" wineboot -i >/dev/null 2>&1 || true
        "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$TANDREL_WINE_DRIVER" /f >/dev/null 2>&1
        /usr/lib/wine/wineserver -w || true
        touch "$WINEPREFIX/.tandrel-ready"
    fi
) 9>"$WINEPREFIX.lock"
exec "$WINE" "$@"
