// The Win32 side of the seam for the desktop shell: its windows, its process
// and memory, and the registry where the icon positions are kept.
#include "platform/Win32Platform.h"

#include <windows.h>

#include <vector>

namespace vevove {

namespace {

HWND ToWindow(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}
WindowHandle FromWindow(HWND window) {
    return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}
HANDLE ToHandle(Handle handle) {
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle));
}
void* ToAddress(RemoteAddress address) {
    return reinterpret_cast<void*>(static_cast<UINT_PTR>(address));
}
// The predefined keys are sign-extended on 64-bit Windows.
HKEY ToKey(RegistryKey key) {
    if (key == kHkeyCurrentUser) {
        return HKEY_CURRENT_USER;
    }
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}
const char* ClassOrNull(const std::string& className) {
    return className.empty() ? nullptr : className.c_str();
}

} // namespace

WindowHandle Win32Platform::findWindow(const std::string& className) {
    return FromWindow(FindWindowA(ClassOrNull(className), nullptr));
}

WindowHandle Win32Platform::findChildWindow(WindowHandle parent, WindowHandle after,
                                            const std::string& className) {
    return FromWindow(
        FindWindowExA(ToWindow(parent), ToWindow(after), ClassOrNull(className), nullptr));
}

std::uint32_t Win32Platform::windowProcessId(WindowHandle window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(ToWindow(window), &processId);
    return processId;
}

std::int32_t Win32Platform::getWindowLong(WindowHandle window, int index) {
    return GetWindowLongA(ToWindow(window), index);
}

std::int32_t Win32Platform::setWindowLong(WindowHandle window, int index, std::int32_t value) {
    return SetWindowLongA(ToWindow(window), index, value);
}

std::int64_t Win32Platform::sendMessage(WindowHandle window, std::uint32_t message,
                                        std::uint64_t wParam, std::int64_t lParam) {
    return SendMessageA(ToWindow(window), message, static_cast<WPARAM>(wParam),
                        static_cast<LPARAM>(lParam));
}

Handle Win32Platform::openProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    return static_cast<Handle>(
        reinterpret_cast<UINT_PTR>(OpenProcess(access, inherit ? TRUE : FALSE, processId)));
}

// A process that does not run under WOW64 is as wide as the system, which a
// 32-bit program learns from its own WOW64 state.
bool Win32Platform::processPointerBits(Handle process, int& bits) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(ToHandle(process), &wow64)) {
        return false;
    }
    if (wow64 || sizeof(void*) == 8) {
        bits = wow64 ? 32 : 64;
        return true;
    }
    BOOL selfWow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &selfWow64)) {
        return false;
    }
    bits = selfWow64 ? 64 : 32;
    return true;
}

int Win32Platform::ownPointerBits() {
    return static_cast<int>(sizeof(void*) * 8);
}

RemoteAddress Win32Platform::virtualAllocEx(Handle process, std::uint32_t size, std::uint32_t type,
                                            std::uint32_t protect) {
    return static_cast<RemoteAddress>(reinterpret_cast<UINT_PTR>(
        VirtualAllocEx(ToHandle(process), nullptr, size, type, protect)));
}

bool Win32Platform::virtualFreeEx(Handle process, RemoteAddress address, std::uint32_t size,
                                  std::uint32_t type) {
    return VirtualFreeEx(ToHandle(process), ToAddress(address), size, type) != FALSE;
}

bool Win32Platform::writeProcessMemory(Handle process, RemoteAddress destination,
                                       const void* source, std::uint32_t count,
                                       std::uint32_t& written) {
    SIZE_T done = 0;
    const BOOL result =
        WriteProcessMemory(ToHandle(process), ToAddress(destination), source, count, &done);
    written = static_cast<std::uint32_t>(done);
    return result != FALSE;
}

bool Win32Platform::readProcessMemory(Handle process, RemoteAddress source, void* destination,
                                      std::uint32_t count, std::uint32_t& read) {
    SIZE_T done = 0;
    const BOOL result =
        ReadProcessMemory(ToHandle(process), ToAddress(source), destination, count, &done);
    read = static_cast<std::uint32_t>(done);
    return result != FALSE;
}

std::int32_t Win32Platform::regDeleteKey(RegistryKey parent, const std::string& path) {
    return RegDeleteKeyA(ToKey(parent), path.c_str());
}

std::int32_t Win32Platform::regCreateKeyEx(RegistryKey parent, const std::string& path,
                                           std::uint32_t options, std::uint32_t access,
                                           RegistryKey& key) {
    HKEY created = nullptr;
    const LONG result = RegCreateKeyExA(ToKey(parent), path.c_str(), 0, nullptr, options, access,
                                        nullptr, &created, nullptr);
    key = static_cast<RegistryKey>(reinterpret_cast<ULONG_PTR>(created));
    return result;
}

std::int32_t Win32Platform::regOpenKeyEx(RegistryKey parent, const std::string& path,
                                         std::uint32_t options, std::uint32_t access,
                                         RegistryKey& key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(ToKey(parent), path.c_str(), options, access, &opened);
    key = static_cast<RegistryKey>(reinterpret_cast<ULONG_PTR>(opened));
    return result;
}

std::int32_t Win32Platform::regSetValueEx(RegistryKey key, const std::string& name,
                                          std::uint32_t type, const void* data,
                                          std::uint32_t size) {
    return RegSetValueExA(ToKey(key), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

std::int32_t Win32Platform::regEnumValue(RegistryKey key, std::uint32_t index, std::string& name,
                                         std::uint32_t& nameLength, std::uint32_t& type, void* data,
                                         std::uint32_t& dataSize) {
    std::vector<char> buffer(nameLength + 1, '\0');
    DWORD length = nameLength;
    DWORD valueType = 0;
    DWORD size = dataSize;
    const LONG result = RegEnumValueA(ToKey(key), index, buffer.data(), &length, nullptr,
                                      &valueType, static_cast<BYTE*>(data), &size);
    name.assign(buffer.data(), result == ERROR_SUCCESS ? length : 0);
    nameLength = length;
    type = valueType;
    dataSize = size;
    return result;
}

std::int32_t Win32Platform::regCloseKey(RegistryKey key) {
    return RegCloseKey(ToKey(key));
}

} // namespace vevove
