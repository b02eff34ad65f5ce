#include "platform/Win32Platform.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>

namespace vevove {

namespace {

HANDLE ToHandle(Handle handle) {
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle));
}
Handle FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? 0
                                          : static_cast<Handle>(reinterpret_cast<UINT_PTR>(handle));
}
HWND ToWindow(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}
LPITEMIDLIST ToIdList(IdListHandle list) {
    return reinterpret_cast<LPITEMIDLIST>(static_cast<UINT_PTR>(list));
}

FILETIME ToFileTime(FileTime time) {
    FILETIME result;
    result.dwLowDateTime = static_cast<DWORD>(time);
    result.dwHighDateTime = static_cast<DWORD>(time >> 32);
    return result;
}
FileTime FromFileTime(const FILETIME& time) {
    return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

std::uint32_t Win32Platform::getLastError() {
    return GetLastError();
}

bool Win32Platform::formatMessage(std::uint32_t code, std::size_t capacity, std::string& text) {
    std::string buffer(capacity, '\0');
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer.data(), static_cast<DWORD>(capacity), nullptr);
    if (length == 0) {
        return false;
    }
    text.assign(buffer.data(), length);
    return true;
}

std::string Win32Platform::moduleFileName() {
    char buffer[256] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length);
}

std::string Win32Platform::lowerCase(const std::string& text) {
    std::string result = text;
    CharLowerBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

bool Win32Platform::isLeadByte(std::uint8_t byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

std::int32_t Win32Platform::specialFolderLocation(int folder, IdListHandle& list) {
    LPITEMIDLIST idList = nullptr;
    const HRESULT result = SHGetSpecialFolderLocation(nullptr, folder, &idList);
    list = static_cast<IdListHandle>(reinterpret_cast<UINT_PTR>(idList));
    return result;
}

bool Win32Platform::pathFromIdList(IdListHandle list, std::string& path) {
    char buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(ToIdList(list), buffer)) {
        return false;
    }
    path = buffer;
    return true;
}

void Win32Platform::freeIdList(IdListHandle list) {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        if (allocator->DidAlloc(ToIdList(list)) > 0) {
            allocator->Free(ToIdList(list));
        }
        allocator->Release();
    }
}

Handle Win32Platform::findFirstFile(const std::string& pattern, FindData& data) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        data.attributes = found.dwFileAttributes;
        data.lastWriteTime = FromFileTime(found.ftLastWriteTime);
    }
    return FromHandle(search);
}

void Win32Platform::findClose(Handle search) {
    FindClose(ToHandle(search));
}

bool Win32Platform::fileTimeToLocalFileTime(FileTime utc, FileTime& local) {
    const FILETIME in = ToFileTime(utc);
    FILETIME out;
    if (!FileTimeToLocalFileTime(&in, &out)) {
        return false;
    }
    local = FromFileTime(out);
    return true;
}

bool Win32Platform::fileTimeToDosDateTime(FileTime time, std::uint16_t& date,
                                          std::uint16_t& dosTime) {
    const FILETIME in = ToFileTime(time);
    WORD outDate = 0;
    WORD outTime = 0;
    if (!FileTimeToDosDateTime(&in, &outDate, &outTime)) {
        return false;
    }
    date = outDate;
    dosTime = outTime;
    return true;
}

Handle Win32Platform::createFile(const std::string& path, std::uint32_t access, std::uint32_t share,
                                 std::uint32_t disposition, std::uint32_t attributes) {
    return FromHandle(
        CreateFileA(path.c_str(), access, share, nullptr, disposition, attributes, nullptr));
}

bool Win32Platform::readFile(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read) {
    DWORD done = 0;
    const BOOL ok = ReadFile(ToHandle(file), buffer, count, &done, nullptr);
    read = done;
    return ok != FALSE;
}

bool Win32Platform::writeFile(Handle file, const void* data, std::uint32_t count,
                              std::uint32_t& written) {
    DWORD done = 0;
    const BOOL ok = WriteFile(ToHandle(file), data, count, &done, nullptr);
    written = done;
    return ok != FALSE;
}

bool Win32Platform::closeHandle(Handle handle) {
    return CloseHandle(ToHandle(handle)) != FALSE;
}

std::string Win32Platform::fullPathName(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) {
        return path;
    }
    return std::string(buffer, length);
}

std::string Win32Platform::windowText(WindowHandle window) {
    const int length = GetWindowTextLengthA(ToWindow(window));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(ToWindow(window), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void Win32Platform::setWindowText(WindowHandle window, const std::string& text) {
    SetWindowTextA(ToWindow(window), text.c_str());
}

bool Win32Platform::isChecked(WindowHandle checkBox) {
    return SendMessageA(ToWindow(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Platform::setChecked(WindowHandle checkBox, bool checked) {
    SendMessageA(ToWindow(checkBox), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32Platform::systemMetrics(int index) {
    return GetSystemMetrics(index);
}

static_assert(sizeof(DEVMODEA) == DisplayMode::kSize, "the display-settings record");

bool Win32Platform::enumDisplaySettings(std::uint32_t modeNumber, DisplayMode& mode) {
    DEVMODEA record;
    std::memcpy(&record, mode.bytes.data(), sizeof record);
    if (!EnumDisplaySettingsA(nullptr, modeNumber, &record)) {
        return false;
    }
    std::memcpy(mode.bytes.data(), &record, sizeof record);
    return true;
}

std::int32_t Win32Platform::changeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) {
    DEVMODEA record;
    std::memcpy(&record, mode.bytes.data(), sizeof record);
    return ChangeDisplaySettingsA(&record, flags);
}

} // namespace vevove
