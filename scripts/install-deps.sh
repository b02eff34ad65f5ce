#!/usr/bin/env bash
# Installs what building and testing Vevove needs on Debian 12: CMake and g++
# with GoogleTest for the native unit tests, the MinGW-w64 posix compilers for
# the Windows programs, Wine and Xvfb to run them, ImageMagick for screenshots,
# Python for the check of the pictures, clang-format and clang-tidy for the
# checks of the code.
# Does nothing when everything is there already; uses sudo only when not root.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 fonts-wine xvfb xauth x11-utils imagemagick python3 procps
    clang-format clang-tidy
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
