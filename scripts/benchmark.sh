#!/usr/bin/env bash
# Measures Vevove under Wine, in one virtual desktop on a private X server:
# the median time from process start to its main window showing, against a
# minimal Win32 program with one window started in turn in the same run (goal:
# at most 1.5 times as long), the size of Vevove.exe (goal: under 1 MB) and the
# peak working set of both after idling a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
idle_seconds=3

bash scripts/install-deps.sh
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --parallel 2 >/dev/null

source scripts/wine-env.sh
wine_use_display headless
wine_use_prefix build/wine/bench fresh

bin=build/mingw64/bin
output=$(wine_desktop vevove-bench 600 "$(wine_path "$bin/StartupBench.exe")" "$runs" \
    "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/BaselineWindow.exe")" \
    "$idle_seconds" | tr -d '\r')

# The figure KEY of the program with the file name NAME in the output lines
# "KEY PATH VALUE".
value() {
    awk -v key="$1" -v name="$2" '$1 == key {
        n = split($2, parts, "\\")
        if (parts[n] == name) { print $3; found = 1 }
    } END { exit !found }' <<<"$output"
}
if ! vevove_ms=$(value startup_ms Vevove.exe) ||
    ! baseline_ms=$(value startup_ms BaselineWindow.exe) ||
    ! working_set=$(value peak_working_set_bytes Vevove.exe) ||
    ! baseline_working_set=$(value peak_working_set_bytes BaselineWindow.exe); then
    echo "The benchmark did not finish: $output" >&2
    exit 1
fi
size=$(stat -c %s "$bin/Vevove.exe")

awk -v vevove="$vevove_ms" -v baseline="$baseline_ms" -v size="$size" \
    -v working_set="$working_set" -v baseline_working_set="$baseline_working_set" \
    -v runs="$runs" -v idle="$idle_seconds" 'BEGIN {
    row = "%-52s %10s  %s\n"
    printf row, "Figure", "Value", "Goal"
    printf row, "Start to main window, Vevove, ms (median of " runs ")", sprintf("%.1f", vevove), ""
    printf row, "Start to window, baseline, ms (median of " runs ")", sprintf("%.1f", baseline), ""
    printf row, "Ratio Vevove / baseline", sprintf("%.2f", vevove / baseline), "<= 1.5"
    printf row, "Size of Vevove.exe, bytes", size, "< 1048576"
    printf row, "Peak working set, Vevove, after " idle " s idle, bytes", working_set, ""
    printf row, "Peak working set, baseline, after " idle " s idle, bytes", baseline_working_set, ""
}'
