#!/usr/bin/env bash
# Measures Vevove under Wine, in one virtual desktop on a private X server:
# the median time from process start to its main window showing, against a
# minimal Win32 program with one window started in turn in the same run (goal:
# at most 1.5 times as long), the size of Vevove.exe (goal: at most 350 KB) and the
# peak working set of both after idling a few seconds. In the same turns,
# Vevove started with /background: the median time from process start to its
# icon in the notification area, against the same minimal program, and to the
# notification area's bar showing. Then one resolution check natively against
# the simulated platform (against reading the screen size alone), a "Restore
# resolution" click that requests the current mode (against a plain message
# round trip) and Vevove's processor use over a minute of idling (goal: under
# 0.5 % of one core), and over the same minute in the background, with only
# its icon (goal: under 0.1 % of one core).
#
# VEVOVE_BUILD_DIR: the build of the mingw64 preset to measure, build/mingw64
# unless set (the icon benchmark at the end measures the same build);
# VEVOVE_NATIVE_BUILD_DIR: the build of the native preset for the resolution
# check, build/native unless set.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
idle_seconds=3
clicks=20
cpu_seconds=60

bash scripts/install-deps.sh
build=${VEVOVE_BUILD_DIR:-build/mingw64}
native_build=${VEVOVE_NATIVE_BUILD_DIR:-build/native}
export VEVOVE_BUILD_DIR=$build
cmake --preset mingw64 -B "$build" >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
cmake --preset native -B "$native_build" >/dev/null
cmake --build "$native_build" --parallel 2 --target check_screen_bench >/dev/null

source scripts/wine-env.sh
wine_use_display headless
wine_use_prefix build/wine/bench fresh

bin=$build/bin

# The Linux process that runs Vevove.exe under Wine, started with the
# arguments given if any, and its processor time (user and system, in clock
# ticks).
vevove_pid() {
    local pattern
    pattern=$(wine_path "$bin/Vevove.exe" | sed 's/[][\\.^$*]/\\&/g')
    pgrep -n -x -f "$pattern${1:+ $1}"
}
ticks_of() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

waits_for_line() {
    local line=$1 file=$2 seconds=$3
    for ((i = 0; i < seconds * 10; i++)); do
        grep -q "^$line" "$file" && return 0
        sleep 0.1
    done
    return 1
}

# measure_idle_cpu KEY SWITCH BENCH-ARG...: ResolutionBench's figures, and the
# processor use of Vevove, started with SWITCH (none if empty), while it idles
# as the line "KEY PERCENT".
measure_idle_cpu() {
    local key=$1 switch=$2 log=$build/resolution-bench.log pid before after
    shift 2
    : >"$log"
    wine_desktop vevove-bench 600 "$(wine_path "$bin/ResolutionBench.exe")" "$@" >"$log" &
    local bench=$!
    if waits_for_line idle_begin "$log" 120 && pid=$(vevove_pid "$switch") &&
        before=$(ticks_of "$pid") && waits_for_line idle_end "$log" $((cpu_seconds + 30)) &&
        after=$(ticks_of "$pid"); then
        echo "$key $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" \
            -v s="$cpu_seconds" 'BEGIN { printf "%.3f", t / hz / s * 100 }')"
    fi
    wait "$bench"
    tr -d '\r' <"$log"
}
output=$(wine_desktop vevove-bench 600 "$(wine_path "$bin/StartupBench.exe")" "$runs" \
    "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$bin/BaselineWindow.exe")" \
    "$idle_seconds" | tr -d '\r')
output+=$'\n'$(measure_idle_cpu idle_cpu_percent "" "$(wine_path "$bin/Vevove.exe")" \
    "$clicks" "$cpu_seconds")
output+=$'\n'$(measure_idle_cpu background_idle_cpu_percent /background --background \
    "$(wine_path "$bin/Vevove.exe")" "$cpu_seconds")
output+=$'\n'$("$native_build/tests/check_screen_bench")

# A figure printed on its own line as "KEY VALUE".
figure() {
    awk -v key="$1" '$1 == key { print $2; found = 1 } END { exit !found }' <<<"$output"
}

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
    ! background_ms=$(value startup_background_ms Vevove.exe) ||
    ! background_bar_ms=$(value startup_background_bar_ms Vevove.exe) ||
    ! working_set=$(value peak_working_set_bytes Vevove.exe) ||
    ! baseline_working_set=$(value peak_working_set_bytes BaselineWindow.exe) ||
    ! click_ms=$(figure restore_click_ms) || ! round_trip_ms=$(figure round_trip_ms) ||
    ! idle_cpu=$(figure idle_cpu_percent) ||
    ! background_cpu=$(figure background_idle_cpu_percent) || ! check_ns=$(figure check_screen_ns) ||
    ! reads_ns=$(figure screen_size_reads_ns); then
    echo "The benchmark did not finish: $output" >&2
    exit 1
fi
size=$(stat -c %s "$bin/Vevove.exe")

awk -v vevove="$vevove_ms" -v baseline="$baseline_ms" -v size="$size" \
    -v background="$background_ms" -v background_bar="$background_bar_ms" \
    -v background_cpu="$background_cpu" \
    -v working_set="$working_set" -v baseline_working_set="$baseline_working_set" \
    -v runs="$runs" -v idle="$idle_seconds" -v click="$click_ms" -v trip="$round_trip_ms" \
    -v clicks="$clicks" -v cpu="$idle_cpu" -v cpu_seconds="$cpu_seconds" \
    -v check="$check_ns" -v reads="$reads_ns" 'BEGIN {
    row = "%-72s %10s  %s\n"
    printf row, "Figure", "Value", "Goal"
    printf row, "Start to main window, Vevove, ms (median of " runs ")", sprintf("%.1f", vevove), ""
    printf row, "Start to window, baseline, ms (median of " runs ")", sprintf("%.1f", baseline), ""
    printf row, "Ratio Vevove / baseline", sprintf("%.2f", vevove / baseline), "<= 1.5"
    printf row, "Start to icon in notification area, /background, ms (median of " runs ")",
        sprintf("%.1f", background), ""
    printf row, "Ratio /background icon / baseline window", sprintf("%.2f", background / baseline), ""
    printf row, "Start to notification area bar showing, /background, ms (median of " runs ")",
        sprintf("%.1f", background_bar), ""
    printf row, "Size of Vevove.exe, bytes", size, "<= 358400"
    printf row, "Peak working set, Vevove, after " idle " s idle, bytes", working_set, ""
    printf row, "Peak working set, baseline, after " idle " s idle, bytes", baseline_working_set, ""
    printf row, "One resolution check (simulated platform), ns", sprintf("%.0f", check), ""
    printf row, "Ratio check / two screen-size reads", sprintf("%.1f", check / reads), ""
    printf row, "Restore click, current mode, ms (median of " clicks ")", sprintf("%.3f", click), ""
    printf row, "Ratio click / message round trip", sprintf("%.1f", click / trip), ""
    printf row, "Processor use while idle for " cpu_seconds " s, % of one core", sprintf("%.3f", cpu), "< 0.5"
    printf row, "Processor use in the background for " cpu_seconds " s, % of one core",
        sprintf("%.3f", background_cpu), "< 0.1"
}'

# The icon commands against the stand-in desktop, in a desktop of their own.
bash scripts/benchmark-icons.sh
