#include "tests/fakes/FakePlatform.h"

#include <string>

namespace vevove::fake {

namespace {

constexpr std::size_t kModuleNameCapacity = 256;

// HRESULT_FROM_WIN32, with E_FAIL for a failure that has no code.
std::int32_t HresultFromCode(std::uint32_t code) {
    if (code == 0) {
        return kHresultFail;
    }
    if (static_cast<std::int32_t>(code) < 0) {
        return static_cast<std::int32_t>(code);
    }
    return static_cast<std::int32_t>((code & 0xFFFFu) | 0x80070000u);
}

} // namespace

FakePlatform::FakePlatform() {
    calls.declare({"FormatMessageA",
                   "GetModuleFileNameA",
                   "SHGetSpecialFolderLocation",
                   "SHGetPathFromIDListA",
                   "FindFirstFileA",
                   "FileTimeToLocalFileTime",
                   "FileTimeToDosDateTime",
                   "CreateFileA",
                   "ReadFile",
                   "WriteFile",
                   "CloseHandle",
                   "GetFullPathNameA",
                   "GetWindowTextA",
                   "SetWindowTextA",
                   "EnumDisplaySettingsA",
                   "ChangeDisplaySettingsA",
                   "OpenProcess",
                   "IsWow64Process",
                   "VirtualAllocEx",
                   "VirtualFreeEx",
                   "WriteProcessMemory",
                   "ReadProcessMemory",
                   "RegDeleteKeyA",
                   "RegCreateKeyExA",
                   "RegOpenKeyExA",
                   "RegSetValueExA",
                   "RegEnumValueA",
                   "RegCloseKey"});
    files.addFolder("C:\\ProgramData");
    shell.setPath(35, "C:\\ProgramData");
}

bool FakePlatform::failsNow(const char* call) {
    return calls.record(call, lastError);
}

bool FakePlatform::isOpen(Handle handle, HandleKind kind) {
    if (handles.kind(handle) == kind) {
        return true;
    }
    lastError = kErrorInvalidHandle;
    return false;
}

std::uint32_t FakePlatform::getLastError() {
    calls.note("GetLastError");
    return lastError;
}

bool FakePlatform::formatMessage(std::uint32_t code, std::size_t capacity, std::string& text) {
    return !failsNow("FormatMessageA") && messages.format(code, capacity, text, lastError);
}

std::string FakePlatform::moduleFileName() {
    if (failsNow("GetModuleFileNameA")) {
        return {};
    }
    return modulePath.substr(0, kModuleNameCapacity - 1);
}

std::string FakePlatform::lowerCase(const std::string& text) {
    calls.note("CharLowerBuffA");
    return codePage.lower(text);
}

bool FakePlatform::isLeadByte(std::uint8_t byte) {
    calls.note("IsDBCSLeadByte");
    return codePage.isLeadByte(byte);
}

// An injected failure of this call gives its code as an HRESULT and leaves
// the last-error code alone, as shell calls do.
std::int32_t FakePlatform::specialFolderLocation(int folder, IdListHandle& list) {
    std::uint32_t code = 0;
    if (calls.record("SHGetSpecialFolderLocation", code)) {
        return HresultFromCode(code);
    }
    return shell.location(folder, list);
}

bool FakePlatform::pathFromIdList(IdListHandle list, std::string& path) {
    return !failsNow("SHGetPathFromIDListA") && shell.path(list, path);
}

void FakePlatform::freeIdList(IdListHandle list) {
    calls.note("IMalloc::Free");
    shell.free(list);
}

Handle FakePlatform::findFirstFile(const std::string& pattern, FindData& data) {
    if (failsNow("FindFirstFileA")) {
        return 0;
    }
    return files.findFirst(pattern, data, lastError);
}

void FakePlatform::findClose(Handle search) {
    calls.note("FindClose");
    if (isOpen(search, HandleKind::Search)) {
        handles.close(search);
    } else {
        handles.misuse("FindClose of " + std::to_string(search) + ", not an open search");
    }
}

bool FakePlatform::fileTimeToLocalFileTime(FileTime utc, FileTime& local) {
    return !failsNow("FileTimeToLocalFileTime") && clock.toLocal(utc, local, lastError);
}

bool FakePlatform::fileTimeToDosDateTime(FileTime time, std::uint16_t& date,
                                         std::uint16_t& dosTime) {
    return !failsNow("FileTimeToDosDateTime") && ToDosDateTime(time, date, dosTime, lastError);
}

Handle FakePlatform::createFile(const std::string& path, std::uint32_t access, std::uint32_t share,
                                std::uint32_t disposition, std::uint32_t attributes) {
    if (failsNow("CreateFileA")) {
        return 0;
    }
    return files.create(path, access, share, disposition, attributes, lastError);
}

bool FakePlatform::readFile(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read) {
    read = 0;
    return !failsNow("ReadFile") && isOpen(file, HandleKind::File) &&
           files.read(file, buffer, count, read, lastError);
}

bool FakePlatform::writeFile(Handle file, const void* data, std::uint32_t count,
                             std::uint32_t& written) {
    written = 0;
    return !failsNow("WriteFile") && isOpen(file, HandleKind::File) &&
           files.write(file, data, count, written, lastError);
}

// A failed close leaves the handle open. A search handle must be closed by
// FindClose; CloseHandle refuses it.
bool FakePlatform::closeHandle(Handle handle) {
    if (failsNow("CloseHandle")) {
        return false;
    }
    if (handles.kind(handle) == HandleKind::Process) {
        handles.close(handle);
        processAccess_.erase(handle);
        return true;
    }
    if (!isOpen(handle, HandleKind::File)) {
        handles.misuse("CloseHandle of " + std::to_string(handle) + ", not an open file");
        return false;
    }
    handles.close(handle);
    files.close(handle);
    return true;
}

std::string FakePlatform::fullPathName(const std::string& path) {
    if (failsNow("GetFullPathNameA")) {
        return {};
    }
    if (path.empty()) {
        lastError = kErrorInvalidName;
    }
    return files.fullPath(path);
}

std::string FakePlatform::windowText(WindowHandle window) {
    std::string text;
    if (!failsNow("GetWindowTextA") && !windows.getText(window, text)) {
        lastError = kErrorInvalidWindowHandle;
    }
    return text;
}

void FakePlatform::setWindowText(WindowHandle window, const std::string& text) {
    if (!failsNow("SetWindowTextA") && !windows.setText(window, text)) {
        lastError = kErrorInvalidWindowHandle;
    }
}

bool FakePlatform::isChecked(WindowHandle checkBox) {
    calls.note("BM_GETCHECK");
    return windows.checked(checkBox);
}

void FakePlatform::setChecked(WindowHandle checkBox, bool checked) {
    calls.note("BM_SETCHECK");
    windows.setChecked(checkBox, checked);
}

int FakePlatform::systemMetrics(int index) {
    calls.note("GetSystemMetrics:" + std::to_string(index));
    switch (index) {
    case kSmCxScreen:
        return display.width();
    case kSmCyScreen:
        return display.height();
    default:
        return 0;
    }
}

bool FakePlatform::enumDisplaySettings(std::uint32_t modeNumber, DisplayMode& mode) {
    return !failsNow("EnumDisplaySettingsA") && display.mode(modeNumber, mode);
}

// An injected failure stands for a driver that refuses the mode.
std::int32_t FakePlatform::changeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) {
    if (failsNow("ChangeDisplaySettingsA")) {
        return kDispChangeBadMode;
    }
    return display.change(mode, flags);
}

} // namespace vevove::fake
