// Pointing the system's CLSID_ShellWindows at a stand-in desktop serving its
// folder view (--folder-view --clsid), for the tests and the benchmark.
// Explorer's own class always wins under Wine, so the real class is treated
// as the stand-in's, with a TreatAs key under HKLM (Wine ignores one under
// HKCU). Each stand-in gets a class of its own: Wine keeps the class of a
// server that was killed registered, and every later request for it fails.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <stdexcept>
#include <string>

inline constexpr char kShellWindowsTreatAs[] =
    "Software\\Classes\\CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\TreatAs";

inline std::string NewStandinClassId() {
    GUID id{};
    CoCreateGuid(&id);
    char text[40] = {};
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(id.Data1), id.Data2, id.Data3, id.Data4[0],
                  id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6],
                  id.Data4[7]);
    return text;
}

// Empty: CLSID_ShellWindows is Explorer's again.
inline void PointShellWindowsAt(const std::string& classId) {
    if (classId.empty()) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kShellWindowsTreatAs);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kShellWindowsTreatAs, 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot point CLSID_ShellWindows at the stand-in");
    }
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(classId.c_str()),
                   static_cast<DWORD>(classId.size() + 1));
    RegCloseKey(key);
}
