// The operating-system calls that the program's logic makes, and nothing more.
//
// The logic in app/, resolution/ and icons/ reaches Windows only through this
// interface, so the same code runs against the real Win32 API in Vevove.exe and
// against a stateful fake in the native unit tests. Types are plain on purpose:
// handles are opaque integers, ANSI texts are std::string, records are bytes.
#pragma once

#include "platform/DisplayMode.h"

#include <cstdint>
#include <string>

namespace vevove {

using Handle = std::uint64_t; // process, file or search handle; 0 is "none"
using WindowHandle = std::uint64_t;
using IdListHandle = std::uint64_t;  // a shell item identifier list
using RemoteAddress = std::uint64_t; // an address in another process
using RegistryKey = std::uint64_t;   // HKEY; 0 is "none"

constexpr RegistryKey kHkeyCurrentUser = 0x80000001;

// FILETIME as one 64-bit count of 100 ns intervals since 1601.
using FileTime = std::uint64_t;

struct FindData {
    std::uint32_t attributes = 0;
    FileTime lastWriteTime = 0;
};

constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kFileAttributeNormal = 0x80;

constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kFileShareRead = 0x1;
constexpr std::uint32_t kCreateAlways = 2;
constexpr std::uint32_t kOpenExisting = 3;

class Platform {
  public:
    virtual ~Platform() = default;

    // Errors: the calling thread's last-error code and the system's text for a
    // code (FormatMessageA into a buffer of `capacity` characters; false when
    // the system has no text or it does not fit).
    virtual std::uint32_t getLastError() = 0;
    virtual bool formatMessage(std::uint32_t code, std::size_t capacity, std::string& text) = 0;

    // The running executable's full path, read into a buffer of 256 characters.
    virtual std::string moduleFileName() = 0;
    // CharLowerBuffA: lower case in the system's ANSI code page.
    virtual std::string lowerCase(const std::string& text) = 0;
    // IsDBCSLeadByte for the system's ANSI code page.
    virtual bool isLeadByte(std::uint8_t byte) = 0;

    // Shell special folders: SHGetSpecialFolderLocation (returns the HRESULT),
    // SHGetPathFromIDListA into a buffer of 260 bytes, and the release of the
    // list through the shell's allocator (SHGetMalloc, DidAlloc, Free).
    virtual std::int32_t specialFolderLocation(int folder, IdListHandle& list) = 0;
    virtual bool pathFromIdList(IdListHandle list, std::string& path) = 0;
    virtual void freeIdList(IdListHandle list) = 0;

    // Files. createFile returns 0 where Win32 returns INVALID_HANDLE_VALUE,
    // and so does findFirstFile.
    virtual Handle findFirstFile(const std::string& pattern, FindData& data) = 0;
    virtual void findClose(Handle search) = 0;
    virtual bool fileTimeToLocalFileTime(FileTime utc, FileTime& local) = 0;
    virtual bool fileTimeToDosDateTime(FileTime time, std::uint16_t& date,
                                       std::uint16_t& dosTime) = 0;
    virtual Handle createFile(const std::string& path, std::uint32_t access, std::uint32_t share,
                              std::uint32_t disposition, std::uint32_t attributes) = 0;
    virtual bool readFile(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read) = 0;
    virtual bool writeFile(Handle file, const void* data, std::uint32_t count,
                           std::uint32_t& written) = 0;
    virtual bool closeHandle(Handle handle) = 0;
    // GetFullPathNameA: the absolute form of a path, relative to the current folder.
    virtual std::string fullPathName(const std::string& path) = 0;

    // Controls of the program's own windows.
    virtual std::string windowText(WindowHandle window) = 0;
    virtual void setWindowText(WindowHandle window, const std::string& text) = 0;
    virtual bool isChecked(WindowHandle checkBox) = 0;
    virtual void setChecked(WindowHandle checkBox, bool checked) = 0;

    // The display: GetSystemMetrics, and the display modes of the default
    // device (EnumDisplaySettingsA with a null device name, ChangeDisplaySettingsA,
    // which returns its DISP_CHANGE_* result).
    virtual int systemMetrics(int index) = 0;
    virtual bool enumDisplaySettings(std::uint32_t modeNumber, DisplayMode& mode) = 0;
    virtual std::int32_t changeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) = 0;

    // Other programs' windows. An empty class name stands for none given
    // (FindWindowA, FindWindowExA); a zero parent searches the top-level
    // windows. getWindowLong and setWindowLong are GetWindowLongA and
    // SetWindowLongA; sendMessage is SendMessageA.
    virtual WindowHandle findWindow(const std::string& className) = 0;
    virtual WindowHandle findChildWindow(WindowHandle parent, WindowHandle after,
                                         const std::string& className) = 0;
    virtual std::uint32_t windowProcessId(WindowHandle window) = 0;
    virtual std::int32_t getWindowLong(WindowHandle window, int index) = 0;
    virtual std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) = 0;
    virtual std::int64_t sendMessage(WindowHandle window, std::uint32_t message,
                                     std::uint64_t wParam, std::int64_t lParam) = 0;

    // Another process and its memory: OpenProcess (closed by closeHandle),
    // the width of its pointers (32 under WOW64 or on 32-bit Windows, else 64;
    // IsWow64Process), the width of our own, VirtualAllocEx, VirtualFreeEx,
    // WriteProcessMemory and ReadProcessMemory.
    virtual Handle openProcess(std::uint32_t access, bool inherit, std::uint32_t processId) = 0;
    virtual bool processPointerBits(Handle process, int& bits) = 0;
    virtual int ownPointerBits() = 0;
    virtual RemoteAddress virtualAllocEx(Handle process, std::uint32_t size, std::uint32_t type,
                                         std::uint32_t protect) = 0;
    virtual bool virtualFreeEx(Handle process, RemoteAddress address, std::uint32_t size,
                               std::uint32_t type) = 0;
    virtual bool writeProcessMemory(Handle process, RemoteAddress destination, const void* source,
                                    std::uint32_t count, std::uint32_t& written) = 0;
    virtual bool readProcessMemory(Handle process, RemoteAddress source, void* destination,
                                   std::uint32_t count, std::uint32_t& read) = 0;

    // The registry; each call returns its ERROR_* result. regEnumValue takes
    // the capacities of the name (terminating zero included) and of the data
    // and gives back the lengths, as RegEnumValueA does.
    virtual std::int32_t regDeleteKey(RegistryKey parent, const std::string& path) = 0;
    virtual std::int32_t regCreateKeyEx(RegistryKey parent, const std::string& path,
                                        std::uint32_t options, std::uint32_t access,
                                        RegistryKey& key) = 0;
    virtual std::int32_t regOpenKeyEx(RegistryKey parent, const std::string& path,
                                      std::uint32_t options, std::uint32_t access,
                                      RegistryKey& key) = 0;
    virtual std::int32_t regSetValueEx(RegistryKey key, const std::string& name, std::uint32_t type,
                                       const void* data, std::uint32_t size) = 0;
    virtual std::int32_t regEnumValue(RegistryKey key, std::uint32_t index, std::string& name,
                                      std::uint32_t& nameLength, std::uint32_t& type, void* data,
                                      std::uint32_t& dataSize) = 0;
    virtual std::int32_t regCloseKey(RegistryKey key) = 0;
};

} // namespace vevove
