#!/usr/bin/env bash
# Checks that Vevove.exe of each build given imports only DLLs that Windows
# never takes from the program's folder: the system's known DLLs (the
# KnownDLLs list of Windows 10 and 11, and ntdll). A new import fails the
# check with its name; anything else the program needs it loads from the
# system folder at run time, once it has said that DLLs come from there
# alone. (The common controls are not among them either: a DLL imported by
# the program is loaded, with what it loads in turn, before the program can
# say so.)
#
#   check-imports.sh BUILD-DIR...
set -euo pipefail

known="advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32
kernel32 msctf msvcrt normaliz nsi ntdll ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore
shell32 shlwapi user32 wldap32 ws2_32"

status=0
for build in "$@"; do
    program=$build/bin/Vevove.exe
    if [ ! -f "$program" ]; then
        echo "check-imports: no $program" >&2
        status=1
        continue
    fi
    while read -r dll; do
        name=$(tr 'A-Z' 'a-z' <<<"${dll%.[dD][lL][lL]}")
        if ! grep -qw "$name" <<<"$known"; then
            echo "check-imports: $program imports $dll, which is not a known DLL" >&2
            status=1
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p')
done
exit "$status"
