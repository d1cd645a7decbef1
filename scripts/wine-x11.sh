#!/bin/sh
# Runs a Windows program under Wine in X11 in the prefix of the run and picture commands,
# build/x64/wineprefix-x11, where the controls' font, "Microsoft Sans Serif", is PT Sans (Debian's
# fonts-paratype): Wine has no Microsoft Sans Serif and falls back to Liberation Sans, too wide
# for several captions. TANDREL_FONT names another face to try ("pictures --measure" compares).
set -eu
cd "$(dirname "$0")/.."
FACE=${TANDREL_FONT:-PT Sans}
export TANDREL_WINEPREFIX="$PWD/build/x64/wineprefix-x11" TANDREL_WINE_DRIVER=x11
# The replacement is kept in the prefix's registry: set it when the prefix lacks it (new, made
# before, or last run with another face). A change made just before may not be in user.reg yet;
# setting it again is harmless.
grep -qs "^\"Microsoft Sans Serif\"=\"$FACE\"\$" "$TANDREL_WINEPREFIX/user.reg" ||
    sh cmake/wine-run.sh reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v "Microsoft Sans Serif" /d "$FACE" /f >/dev/null
exec sh cmake/wine-run.sh "$@"
