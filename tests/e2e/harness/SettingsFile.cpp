#include "harness/SettingsFile.h"

#include <windows.h>

#include <iterator>
#include <stdexcept>

namespace e2e {

namespace {

void Fail(const std::string& what) {
    throw std::runtime_error(what + " " + kSettingsFilePath + " (error " +
                             std::to_string(GetLastError()) + ")");
}

} // namespace

void WriteSettingsFile(const std::string& bytes) {
    HANDLE file = CreateFileA(kSettingsFilePath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Fail("cannot create");
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        Fail("cannot write");
    }
}

namespace {

// The bytes of the file at `path`; nothing when there is none or it cannot be
// read yet.
std::optional<std::string> ReadFileAt(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

} // namespace

std::optional<std::string> ReadSettingsFile() {
    // The path is ASCII: each of its bytes is one character.
    return ReadFileAt(std::wstring(std::begin(kSettingsFilePath), std::end(kSettingsFilePath) - 1));
}

std::optional<std::string> WaitForSettingsFile(Milliseconds timeout) {
    std::optional<std::string> bytes;
    WaitUntil(
        [&] {
            bytes = ReadSettingsFile();
            return bytes.has_value();
        },
        timeout);
    return bytes;
}

void RemoveSettingsFile() {
    const DWORD attributes = GetFileAttributesA(kSettingsFilePath);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    const BOOL removed = (attributes & FILE_ATTRIBUTE_DIRECTORY)
                             ? RemoveDirectoryA(kSettingsFilePath)
                             : DeleteFileA(kSettingsFilePath);
    if (!removed) {
        Fail("cannot remove");
    }
}

namespace {
constexpr char kOptionsKey[] = "Software\\VUD\\Vevove";
constexpr char kMonitorValue[] = "ResolutionMonitor";
} // namespace

std::string ResolutionMonitor() {
    char data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kOptionsKey, kMonitorValue, RRF_RT_REG_SZ, nullptr, data,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    return data;
}

void ForgetResolutionMonitor() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kOptionsKey, kMonitorValue);
}

namespace {
constexpr wchar_t kShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kCommonDataValue[] = L"Common AppData";

std::optional<std::wstring> ShellFolder() {
    wchar_t data[MAX_PATH] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kShellFoldersKey, kCommonDataValue,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return data;
}

void SetShellFolder(const std::wstring& folder, DWORD type) {
    const LSTATUS status =
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kShellFoldersKey, kCommonDataValue, type,
                        folder.c_str(), static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error("cannot move the all-users data folder (error " +
                                 std::to_string(status) + ")");
    }
}
} // namespace

MovedCommonDataFolder::MovedCommonDataFolder(const std::wstring& folder)
    : folder_(folder), previous_(ShellFolder()) {
    CreateDirectoryW(folder_.c_str(), nullptr);
    SetShellFolder(folder_, REG_SZ);
}

MovedCommonDataFolder::~MovedCommonDataFolder() {
    if (previous_) {
        SetShellFolder(*previous_, REG_EXPAND_SZ);
    } else {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kShellFoldersKey, kCommonDataValue);
    }
    DeleteFileW((folder_ + L"\\ScrDef.ini").c_str());
    RemoveDirectoryW(folder_.c_str());
}

std::optional<std::string> MovedCommonDataFolder::ReadSettingsFile() const {
    return ReadFileAt(folder_ + L"\\ScrDef.ini");
}

void PutDirectoryInPlaceOfSettingsFile() {
    RemoveSettingsFile();
    if (!CreateDirectoryA(kSettingsFilePath, nullptr)) {
        Fail("cannot make a directory");
    }
}

} // namespace e2e
