// A UxTheme.dll planted beside a program: loaded, it leaves the file
// "uxtheme.loaded" in its own folder. Every export of the system's UxTheme is
// there, so that the modules that use it still load, and answers as a system
// without visual styles does: no theme, nothing themed, not implemented.
#include <windows.h>

#include <string>

namespace {

void LeaveMark(HINSTANCE module) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring mark(path, length);
    mark = mark.substr(0, mark.find_last_of(L'\\') + 1) + L"uxtheme.loaded";
    const HANDLE file =
        CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

} // namespace

extern "C" {

// No theme handle, no themed part, FALSE, 0.
__declspec(dllexport) INT_PTR WINAPI PlantedNothing() {
    return 0;
}

__declspec(dllexport) HRESULT WINAPI PlantedNotImplemented() {
    return E_NOTIMPL;
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMark(module);
    }
    return TRUE;
}

} // extern "C"
