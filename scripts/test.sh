#!/usr/bin/env bash
# Runs every test of Vevove on Debian 12: installs what is missing, builds and
# runs the native unit tests, builds the 32-bit Windows programs (compile only:
# this kernel cannot run 32-bit code) and the 64-bit ones, and runs the
# end-to-end tests under Wine in a virtual desktop on a private X server,
# where it also photographs the three windows at 96 and at 144 dots per inch
# into build/screenshots/. The generated pictures are checked first.
# Ends with the line "N passed, N failed" over the tests that the runners
# report (ctest, GoogleTest's XML report, the picture check), and exits
# non-zero on any failure, a missing screenshot included.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

passed=0
failed=0
status=0

fail() {
    echo "FAILED: $*" >&2
    status=1
}

build() {
    local preset=$1
    echo "== Building the $preset preset"
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --parallel 2
}

# Adds the counts of ctest's closing line ("... N tests failed out of M").
count_native() {
    local log=$1 counts not_passed total
    counts=$(sed -n 's/.* \([0-9][0-9]*\) tests failed out of \([0-9][0-9]*\).*/\1 \2/p' "$log")
    if [ -z "$counts" ]; then
        return 1
    fi
    read -r not_passed total <<<"$counts"
    failed=$((failed + not_passed))
    passed=$((passed + total - not_passed))
    ((total > 0))
}

# Adds the counts of GoogleTest's XML report.
count_e2e() {
    local report=$1 counts tests failures disabled errors skipped
    counts=$(sed -n 's/.*<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="\([0-9]*\)" errors="\([0-9]*\)".*/\1 \2 \3 \4/p' "$report")
    if [ -z "$counts" ]; then
        return 1
    fi
    read -r tests failures disabled errors <<<"$counts"
    skipped=$(grep -c 'result="skipped"' "$report")
    failed=$((failed + failures + errors))
    passed=$((passed + tests - failures - disabled - errors - skipped))
    ((tests > 0))
}

run_native_tests() {
    local log=build/native/ctest.log
    build native || { fail "native build"; return; }
    echo "== Native unit tests"
    ctest --preset native --parallel 2 2>&1 | tee "$log"
    local ctest_status=${PIPESTATUS[0]}
    count_native "$log" || fail "the native unit tests reported no result"
    ((ctest_status == 0)) || fail "native unit tests"
}

run_e2e_tests() {
    local report=build/mingw64/e2e-results.xml
    echo "== End-to-end tests under Wine"
    source scripts/wine-env.sh
    wine_use_display headless || { fail "starting Xvfb"; return; }
    wine_use_prefix build/wine/e2e fresh || { fail "making a Wine prefix"; return; }
    rm -f "$report"
    wine_desktop vevove-e2e 1200 "$(wine_path build/mingw64/bin/e2e_tests.exe)" \
        --gtest_output=xml:"$(wine_path "$report")"
    if [ ! -f "$report" ]; then
        failed=$((failed + 1))
        fail "the end-to-end tests did not finish"
        return
    fi
    count_e2e "$report" || fail "the end-to-end tests reported no result"
    if grep -q '<failure' "$report"; then
        fail "end-to-end tests"
    fi
}

# The committed style (.clang-format) on every C++ file of the tree; a file
# that differs from it fails the check.
run_format_check() {
    echo "== Formatting"
    local files differing
    mapfile -t files < <(find base platform app resolution icons tests tools \
        \( -name '*.cpp' -o -name '*.h' \) | sort)
    differing=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
    if [ -z "$differing" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        fail "formatting of: $(echo $differing)"
    fi
}

# clang-tidy (.clang-tidy, every warning an error) on the program's code, as
# the 64-bit Windows build compiles it, seen with the cross compiler's C++
# library and the MinGW-w64 headers (clang brings its own intrinsics).
run_tidy() {
    echo "== clang-tidy"
    local files system_includes=() dir
    files=$(python3 -c '
import json, os, sys
root = os.getcwd() + "/"
for entry in json.load(open("build/mingw64/compile_commands.json")):
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if path.split("/")[0] in ("base", "platform", "app", "resolution", "icons"):
        print(path)' | sort -u)
    while read -r dir; do
        system_includes+=("--extra-arg=-isystem$dir")
    done < <(echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
        sed -n '/#include <...> search starts here:/,/End of search list./s/^ \(\/.*\)/\1/p' |
        grep -E '/c\+\+|mingw32/include$')
    if [ -n "$files" ] && echo "$files" | xargs -P2 -n4 clang-tidy -p build/mingw64 --quiet \
        --extra-arg=--target=x86_64-w64-mingw32 "${system_includes[@]}"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        fail "clang-tidy"
    fi
}

# Both builds import only DLLs that Windows never takes from the program's
# folder (scripts/check-imports.sh).
run_import_check() {
    echo "== Imports"
    if bash scripts/check-imports.sh build/mingw32 build/mingw64; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        fail "imports"
    fi
}

# The generated pictures: the program icon's seven images and the glyphs.
run_picture_check() {
    echo "== Pictures"
    if python3 tools/pictures/check_pictures.py; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        fail "pictures"
    fi
}

# Photographs the main, help and more-software windows of the Vevove.exe in
# the folder given at 96 and at 144 dots per inch into
# build/screenshots/DPI-dpi/*.png, one Wine prefix per density. The
# desktop is 1920 x 1200 so that the help window, at 440, 295 and 764 pixels
# wide at 96 dots per inch (1175 at 144), lies wholly on it.
take_screenshots() {
    local bin=$1 dpi folder picture
    for dpi in 96 144; do
        echo "== Screenshots at $dpi dpi"
        folder=build/screenshots/$dpi-dpi
        rm -rf "$folder"
        mkdir -p "$folder"
        wine_use_prefix "build/wine/screenshots-$dpi" fresh || { fail "making a Wine prefix"; return; }
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
            /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        wineserver -w
        timeout 120 wine explorer "/desktop=vevove-screenshots,1920x1200" \
            "$(wine_path "$bin/VevoveSnapshots.exe")" \
            "$(wine_path "$bin/Vevove.exe")" "$(wine_path "$folder")" </dev/null
        for picture in main-window help-window more-software-window; do
            if [ -s "$folder/$picture.bmp" ] &&
                /usr/bin/convert "$folder/$picture.bmp" "$folder/$picture.png"; then
                rm -f "$folder/$picture.bmp"
            else
                fail "screenshot of the $picture at $dpi dpi"
            fi
        done
        wineserver -w
    done
}

if ! bash scripts/install-deps.sh; then
    fail "installing the packages"
else
    run_format_check
    run_picture_check
    run_native_tests
    build mingw32 || fail "32-bit Windows build"
    if build mingw64; then
        run_import_check
        run_tidy
        run_e2e_tests
        take_screenshots build/mingw64/bin
    else
        fail "64-bit Windows build"
    fi
fi

echo "$passed passed, $failed failed"
exit "$status"
