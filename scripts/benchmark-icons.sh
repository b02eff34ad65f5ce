#!/usr/bin/env bash
# Measures "Save Icons" and "Restore Icons" under Wine, in a virtual desktop
# on a private X server, against the stand-in desktop: each per icon and as a
# ratio to the floor measured in the same run, one bare message round trip to
# the shell's list view per icon. Through the folder view at 100 and 250 icons
# (the stand-in serves at most 255 so; goals at 250: save at most 3 times the
# floor, restore at most 2 times), and through the list view at 100, 250,
# 1,000 and 5,000 icons (goals at 1,000 and 5,000: save at most 4 times,
# restore at most 4.5 times), with the stand-in's ANSI list view and with its
# Unicode one whose texts the shell view supplies on request, as on a real
# desktop. Then soaks of save/restore cycles on 50 icons, through the list
# view and through the folder view, after which neither the stand-in's nor
# Vevove's private bytes and handle count may have grown. Last, "Restore
# icons automatically" on 50 icons: from the display's return to the stored
# resolution to the icons back, against a "Restore Icons" click.
set -euo pipefail
cd "$(dirname "$0")/.."

counts=(100 250 1000 5000)
folder_view_counts=(100 250)
soak_cycles=1000
soak_icons=50

bash scripts/install-deps.sh
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --parallel 2 >/dev/null

source scripts/wine-env.sh
wine_use_display headless
wine_use_prefix build/wine/bench-icons fresh

bin=build/mingw64/bin
work=build/bench-icons
mkdir -p "$work"
# bench KIND CYCLES [N...]: the benchmark's lines, each led by the desktop's
# kind (ansi, unicode or folder-view).
bench() {
    local kind=$1 cycles=$2 mode=()
    shift 2
    if [ "$kind" != ansi ]; then
        mode=("--$kind")
    fi
    wine_desktop vevove-bench-icons 3600 "$(wine_path "$bin/IconsBench.exe")" "${mode[@]}" \
        "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/StandinShell.exe")" \
        "$(wine_path "$work")" "$cycles" "$soak_icons" "$@" |
        tr -d '\r' | sed "s/^/$kind /"
}
automatic() {
    wine_desktop vevove-bench-icons 600 "$(wine_path "$bin/IconsBench.exe")" --automatic \
        "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/StandinShell.exe")" \
        "$(wine_path "$work")" | tr -d '\r' | sed "s/^/ansi /"
}
output=$(bench folder-view "$soak_cycles" "${folder_view_counts[@]}" &&
    bench ansi "$soak_cycles" "${counts[@]}" && bench unicode 0 "${counts[@]}" && automatic)

if ! grep -q '^ansi soak vevove ' <<<"$output" || ! grep -q '^folder-view soak vevove ' <<<"$output" ||
    ! grep -q '^unicode icons 5000 ' <<<"$output" || ! grep -q '^ansi automatic ' <<<"$output"; then
    echo "The icon benchmark did not finish: $output" >&2
    exit 1
fi

awk -v cycles="$soak_cycles" -v soak_icons="$soak_icons" '
BEGIN {
    row = "%-60s %20s  %s\n"
    printf row, "Figure (" cycles " save/restore cycles on " soak_icons " icons)", "Value", "Goal"
}
$2 == "icons" {
    list = $1 == "ansi" ? "ANSI list view" : $1 == "unicode" ? "Unicode list view" : "Folder view"
    n = $3; floor = $5; save = $7; restore = $9
    goal_save = n >= 1000 ? "<= 4" : ""
    goal_restore = n >= 1000 ? "<= 4.5" : ""
    if ($1 == "folder-view") {
        goal_save = n == 250 ? "<= 3" : ""
        goal_restore = n == 250 ? "<= 2" : ""
    }
    printf row, list ", " n " icons: floor, us per icon", sprintf("%.0f", floor), ""
    printf row, list ", " n " icons: save, us per icon", sprintf("%.0f", save), ""
    printf row, list ", " n " icons: ratio save / floor", sprintf("%.2f", save / floor), goal_save
    printf row, list ", " n " icons: restore, us per icon", sprintf("%.0f", restore), ""
    printf row, list ", " n " icons: ratio restore / floor", sprintf("%.2f", restore / floor), goal_restore
}
$2 == "automatic" {
    printf row, "Automatic restore, " $4 " icons: display back to icons back, ms (median of 5)", $6, "<= 10000"
    printf row, "Automatic restore, " $4 " icons: \"Restore Icons\" click, ms (median of 5)", $8, ""
    printf row, "Automatic restore, " $4 " icons: ratio automatic / click", sprintf("%.1f", $6 / $8), ""
}
$2 == "soak" && ($3 == "standin" || $3 == "vevove") {
    name = ($3 == "standin" ? "stand-in" : "Vevove") ($1 == "folder-view" ? ", folder view" : ", list view")
    printf row, "Soak, " name ", private bytes before / after", $5 " / " $7, "no growth"
    printf row, "Soak, " name ", handles before / after", $9 " / " $11, "no growth"
}' <<<"$output"
