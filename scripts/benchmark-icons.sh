#!/usr/bin/env bash
# Measures "Save Icons" and "Restore Icons" under Wine, in a virtual desktop
# on a private X server, against the stand-in desktop: each per icon and as a
# ratio to the floors measured in the same run, one bare message round trip to
# the shell's list view per icon and, through the folder view, one bare COM
# round trip to the folder view per icon. A command is timed from its click to
# the moment its button is enabled again. First the fixed cost of a command
# through the folder view: "Restore Icons" of one icon within a burst (goal:
# at most 10 COM round trips), and the first of a burst, which opens the
# desktop. Through the folder view at 100 and 250 icons (the stand-in serves at
# most 255 so; goals at 250: save at most 3 COM round trips per icon, restore
# at most 2), and through the list view at 100, 250, 1,000 and 5,000 icons
# (goals at 1,000 and 5,000: save at most 4 times the message floor, restore
# at most 4.5 times), with the stand-in's ANSI list view and with its Unicode
# one whose texts the shell view supplies on request, as on a real desktop.
# Then soaks of save/restore cycles on 50 icons, through the list view and
# through the folder view, after which Vevove's private bytes may have grown
# by at most 64 KB and neither the stand-in's nor Vevove's handle count may
# have grown. Last, "Restore icons automatically" on 50 icons: from the
# display's return to the stored resolution to the icons back, against a
# "Restore Icons" click.
#
# VEVOVE_BUILD_DIR: the build of the mingw64 preset to measure, build/mingw64
# unless set.
set -euo pipefail
cd "$(dirname "$0")/.."

counts=(100 250 1000 5000)
folder_view_counts=(100 250)
soak_cycles=1000
soak_icons=50

bash scripts/install-deps.sh
build=${VEVOVE_BUILD_DIR:-build/mingw64}
cmake --preset mingw64 -B "$build" >/dev/null
cmake --build "$build" --parallel 2 --target Vevove StandinShell IconsBench >/dev/null

source scripts/wine-env.sh
wine_use_display headless
wine_use_prefix build/wine/bench-icons fresh

bin=$build/bin
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
fixed_cost() {
    wine_desktop vevove-bench-icons 600 "$(wine_path "$bin/IconsBench.exe")" --fixed-cost \
        "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/StandinShell.exe")" \
        "$(wine_path "$work")" | tr -d '\r' | sed "s/^/folder-view /"
}
automatic() {
    wine_desktop vevove-bench-icons 600 "$(wine_path "$bin/IconsBench.exe")" --automatic \
        "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/StandinShell.exe")" \
        "$(wine_path "$work")" | tr -d '\r' | sed "s/^/ansi /"
}
output=$(fixed_cost && bench folder-view "$soak_cycles" "${folder_view_counts[@]}" &&
    bench ansi "$soak_cycles" "${counts[@]}" && bench unicode 0 "${counts[@]}" && automatic)

if ! grep -q '^folder-view command ' <<<"$output" || ! grep -q '^ansi soak vevove ' <<<"$output" ||
    ! grep -q '^folder-view soak vevove ' <<<"$output" || ! grep -q '^unicode icons 5000 ' <<<"$output" ||
    ! grep -q '^ansi automatic ' <<<"$output"; then
    echo "The icon benchmark did not finish: $output" >&2
    exit 1
fi

# Each line: the desktop's kind, what was measured, a count or a process (the
# fixed cost: "icons 1"), then pairs of a name and its value.
awk -v cycles="$soak_cycles" -v soak_icons="$soak_icons" '
function within(value, most) {
    return "<= " most (value <= most ? " (met)" : " (missed)")
}
BEGIN {
    row = "%-76s %20s  %s\n"
    printf row, "Figure (" cycles " save/restore cycles on " soak_icons " icons)", "Value", "Goal"
}
{
    delete v
    for (i = $2 == "command" ? 5 : 4; i < NF; i += 2) {
        v[$i] = $(i + 1)
    }
}
$2 == "command" {
    name = "Folder view, 1 icon: "
    printf row, name "COM round trip (IFolderView::ItemCount), us", sprintf("%.1f", v["com_us"]), ""
    printf row, name "message round trip (LVM_GETITEMCOUNT), us", sprintf("%.1f", v["floor_us"]), ""
    printf row, name "restore within a burst, us", sprintf("%.0f", v["restore_us"]), ""
    ratio = v["restore_us"] / v["com_us"]
    printf row, name "ratio restore within a burst / COM round trip", sprintf("%.1f", ratio), within(ratio, 10)
    printf row, name "restore first of a burst, us", sprintf("%.0f", v["first_restore_us"]), ""
    printf row, name "ratio restore first of a burst / COM round trip",
        sprintf("%.1f", v["first_restore_us"] / v["com_us"]), ""
    printf row, name "look at the button, us (mean)", sprintf("%.2f", v["look_us"]), ""
}
$2 == "icons" {
    list = $1 == "ansi" ? "ANSI list view" : $1 == "unicode" ? "Unicode list view" : "Folder view"
    name = list ", " $3 " icons: "
    n = $3; floor = v["floor_us"]; save = v["save_us"]; restore = v["restore_us"]
    printf row, name "message floor, us per icon", sprintf("%.0f", floor), ""
    if ($1 == "folder-view") {
        com = v["com_us"]
        printf row, name "COM floor, us per icon", sprintf("%.0f", com), ""
    }
    printf row, name "save, us per icon", sprintf("%.0f", save), ""
    printf row, name "restore, us per icon", sprintf("%.0f", restore), ""
    if ($1 == "folder-view") {
        printf row, name "ratio save / message floor", sprintf("%.2f", save / floor), ""
        printf row, name "ratio restore / message floor", sprintf("%.2f", restore / floor), ""
        printf row, name "ratio save / COM floor", sprintf("%.2f", save / com),
            (n == 250 ? within(save / com, 3) : "")
        printf row, name "ratio restore / COM floor", sprintf("%.2f", restore / com),
            (n == 250 ? within(restore / com, 2) : "")
    } else {
        printf row, name "ratio save / floor", sprintf("%.2f", save / floor),
            (n >= 1000 ? within(save / floor, 4) : "")
        printf row, name "ratio restore / floor", sprintf("%.2f", restore / floor),
            (n >= 1000 ? within(restore / floor, 4.5) : "")
    }
    printf row, name "look at the button, us (mean)", sprintf("%.2f", v["look_us"]), ""
}
$2 == "automatic" {
    printf row, "Automatic restore, " $4 " icons: display back to icons back, ms (median of 5)", $6, "<= 10000"
    printf row, "Automatic restore, " $4 " icons: \"Restore Icons\" click, ms (median of 5)", $8, ""
    printf row, "Automatic restore, " $4 " icons: ratio automatic / click", sprintf("%.1f", $6 / $8), ""
}
$2 == "soak" && ($3 == "standin" || $3 == "vevove") {
    name = "Soak, " ($3 == "standin" ? "stand-in" : "Vevove")
    name = name ($1 == "folder-view" ? ", folder view" : ", list view")
    printf row, name ", private bytes before / after", v["private_before"] " / " v["private_after"],
        ($3 == "standin" ? "no growth" : "")
    if ($3 == "vevove") {
        growth = v["private_after"] - v["private_before"]
        printf row, name ", private bytes growth", growth, within(growth, 65536)
    }
    printf row, name ", handles before / after", v["handles_before"] " / " v["handles_after"], "no growth"
}' <<<"$output"
