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
using IdListHandle = std::uint64_t; // a shell item identifier list

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
};

} // namespace vevove
