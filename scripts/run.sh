#!/usr/bin/env bash
# Builds Vevove.exe and starts it under Wine. On your X display when there is
# one, after the stand-in desktop shell with a few sample icons; otherwise, or
# with --headless, in a virtual desktop on a private X server, where it writes
# a screenshot of the main window to build/screenshots/main-window.png, prints
# that path and closes Vevove.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --parallel 2

source scripts/wine-env.sh
if [ "${1:-}" = --headless ]; then
    wine_use_display headless
else
    wine_use_display
fi
wine_use_prefix build/wine/run

bin=build/mingw64/bin
if [ -z "$wine_headless" ]; then
    # A stand-in desktop with a few icons, for "Save Icons" and "Restore
    # Icons": drag its icons between the two. It ends with the prefix's
    # wineserver when Vevove is closed.
    wine "$bin/StandinShell.exe" "$(wine_path tools/standin-shell/SampleIcons.txt)" &
    wine "$bin/Vevove.exe"
    exit 0
fi

mkdir -p build/screenshots
bitmap=build/screenshots/main-window.bmp
picture=build/screenshots/main-window.png
rm -f "$bitmap" "$picture"
wine_desktop vevove 120 "$(wine_path "$bin/WindowSnapshot.exe")" \
    "$(wine_path "$bin/Vevove.exe")" Vevove "$(wine_path "$bitmap")"
if [ ! -s "$bitmap" ]; then
    echo "The main window \"Vevove\" did not show." >&2
    exit 1
fi
/usr/bin/convert "$bitmap" "$picture"
rm -f "$bitmap"
realpath "$picture"
