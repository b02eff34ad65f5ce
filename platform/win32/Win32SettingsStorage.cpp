#include "Win32Platform.h"

#include "CodePages.h"
#include "FileReplacement.h"
#include "OwnedHandle.h"
#include "ScopeGuard.h"
#include "SystemFailureText.h"
#include "WideText.h"

#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <vector>

namespace vevove {

namespace {

constexpr DWORD kReadChunk = 64 * 1024;
constexpr const char* kTemporaryPrefix = "Scr";
// Another program (a virus scanner, a backup) may hold the file open for a
// moment: the replacement is tried again this long apart.
constexpr DWORD kReplacePause = 50;

// An item list belongs to the shell's allocator, which frees it only when it
// says it made it.
struct FreeWithShellAllocator {
    void operator()(ITEMIDLIST* list) const {
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator))) {
            if (allocator->DidAlloc(list) > 0) {
                allocator->Free(list);
            }
            allocator->Release();
        }
    }
};
using OwnedIdList = std::unique_ptr<ITEMIDLIST, FreeWithShellAllocator>;

// True when the last byte of `path` is a backslash standing on its own, not
// the trail byte of a double-byte character.
bool EndsInSingleByteBackslash(const std::string& path) {
    if (path.empty() || path.back() != '\\') {
        return false;
    }
    std::size_t pos = 0;
    while (pos + 1 < path.size()) {
        pos += IsDBCSLeadByte(static_cast<BYTE>(path[pos])) ? 2 : 1;
    }
    return pos == path.size() - 1;
}

// The path made absolute as the system would open it; the path itself when
// that cannot be done within MAX_PATH.
std::string FullPathName(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) {
        return path;
    }
    return std::string(buffer, length);
}

// The full path is asked for only after the reason was read, since asking may
// change the last-error code.
FileWriteFailure CreateFailure(const SystemFailure& reason, const std::string& path) {
    return FileWriteFailure{FileWriteFailure::Step::Create, reason, FullPathName(path)};
}

// The folder that holds the file at `path`, with its trailing backslash;
// empty, with the last-error code set, when the path cannot be made absolute.
std::string FolderOf(const std::string& path) {
    std::vector<char> buffer(MAX_PATH);
    char* name = nullptr;
    DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), &name);
    if (length >= buffer.size()) {
        buffer.resize(length);
        length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), &name);
    }
    if (length == 0 || length >= buffer.size() || name == nullptr) {
        return {};
    }
    return std::string(buffer.data(), name);
}

// Whether the target is there, looked at without creating, opening or
// changing it, so that no reader ever finds it empty and readers may hold it
// meanwhile. A folder of that name, or an existing hidden or system file, is
// refused with ERROR_ACCESS_DENIED, as creating the file over it would be.
std::optional<SystemFailure> CheckTarget(const std::string& path, bool& existed) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (!existed) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? std::nullopt
                                             : std::optional(SystemFailureFor(error));
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) !=
        0) {
        return SystemFailureFor(ERROR_ACCESS_DENIED);
    }
    return std::nullopt;
}

// Writes the bytes in one write to the temporary file and waits until they
// are on the disk. A temporary file that cannot be opened is reported as the
// target that cannot be created.
std::optional<FileWriteFailure> WriteToDisk(const char* temporaryPath, const std::string& bytes,
                                            const std::string& target) {
    const OwnedHandle file(CreateFileA(temporaryPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return CreateFailure(LastSystemFailure(), target);
    }
    const auto count = static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), count, &written, nullptr)) {
        return FileWriteFailure{FileWriteFailure::Step::Write, LastSystemFailure(), {}};
    }
    if (written != count) {
        return FileWriteFailure{FileWriteFailure::Step::Write, SystemFailure{}, {}};
    }
    if (!FlushFileBuffers(file.get())) {
        return FileWriteFailure{FileWriteFailure::Step::Write, LastSystemFailure(), {}};
    }
    return std::nullopt;
}

// A unique name in the folder for a file of ours, made and then removed, so
// that a later call can create a file under it; empty, with the last-error
// code set, when none can be made.
std::string FreeNameIn(const std::string& folder) {
    char name[MAX_PATH] = {};
    if (folder.empty() || GetTempFileNameA(folder.c_str(), kTemporaryPrefix, 0, name) == 0) {
        return {};
    }
    DeleteFileA(name);
    return name;
}

std::optional<SystemFailure> ReadWholeFile(const std::string& path, std::string& bytes) {
    // A save may replace the file meanwhile: this read keeps the file it
    // opened.
    const OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return LastSystemFailure();
    }
    std::string content;
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), chunk.data(), kReadChunk, &read, nullptr)) {
            return LastSystemFailure();
        }
        if (read == 0) {
            bytes = std::move(content);
            return std::nullopt;
        }
        content.append(chunk.data(), read);
    }
}

// A path of the ANSI code page, as the settings' paths come, for the wide
// functions.
WideText Wide(const std::string& path) {
    return WideFromCodePage(CP_ACP, path);
}

std::optional<SystemFailure> FailedUnless(BOOL done) {
    return done ? std::nullopt : std::optional(LastSystemFailure());
}

// The replacement's steps in the file system's own calls. Readers may hold
// the target meanwhile: each open shares what a reader needs.
class Win32FileSteps final : public FileSteps {
  public:
    std::optional<SystemFailure> Replace(const std::string& target, const std::string& replacement,
                                         const std::string& backup) override {
        return FailedUnless(ReplaceFileW(Wide(target).c_str(), Wide(replacement).c_str(),
                                         Wide(backup).c_str(), 0, nullptr, nullptr));
    }
    std::optional<SystemFailure> Move(const std::string& from, const std::string& to) override {
        return FailedUnless(
            MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH));
    }
    std::optional<SystemFailure> Write(const std::string& path, const std::string& bytes) override {
        const OwnedHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            return LastSystemFailure();
        }
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) ||
            !SetEndOfFile(file.get()) || !FlushFileBuffers(file.get())) {
            return LastSystemFailure();
        }
        return written == bytes.size() ? std::nullopt : std::optional(SystemFailure{});
    }
    std::optional<SystemFailure> Read(const std::string& path, std::string& bytes) override {
        return ReadWholeFile(path, bytes);
    }
    void Delete(const std::string& path) override { DeleteFileW(Wide(path).c_str()); }
    void Pause() override { Sleep(kReplacePause); }
};

// A file that was not there before gets the new content by a rename.
std::optional<SystemFailure> PutInPlace(const std::string& path, const char* replacement) {
    if (!MoveFileExA(replacement, path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastSystemFailure();
    }
    return std::nullopt;
}

} // namespace

// The shell's path of CSIDL_COMMON_APPDATA without a trailing backslash; empty
// when the shell cannot name the folder or turn it into a path.
std::string Win32SettingsStorage::CommonDataFolder() {
    std::string path;
    LPITEMIDLIST location = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_COMMON_APPDATA, &location))) {
        const OwnedIdList list(location);
        char buffer[MAX_PATH] = {};
        if (SHGetPathFromIDListA(list.get(), buffer)) {
            path = buffer;
        }
    }
    if (EndsInSingleByteBackslash(path)) {
        path.pop_back();
    }
    return path;
}

// A directory search rather than an attribute query, so that a file whose
// last-write time has no DOS date counts as absent.
bool Win32SettingsStorage::IsLoadableFile(const std::string& path) {
    WIN32_FIND_DATAA found;
    const OwnedFindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search.valid() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    FILETIME local;
    WORD dosDate = 0;
    WORD dosTime = 0;
    return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
           FileTimeToDosDateTime(&local, &dosDate, &dosTime);
}

std::optional<SystemFailure> Win32SettingsStorage::ReadAll(const std::string& path,
                                                           std::string& bytes) {
    return ReadWholeFile(path, bytes);
}

// The target is looked at first, without creating or opening it, so that no
// reader ever finds it empty. The new content goes to a temporary file in the
// same folder, reaches the disk, and only then takes the target's place: an
// existing file as ReplaceExistingFile puts it there (keeping its
// permissions, and never losing a content), a new one by a rename. A
// temporary file that cannot be made, or cannot take the target's place, is
// reported as the target that cannot be created.
std::optional<FileWriteFailure> Win32SettingsStorage::WriteAll(const std::string& path,
                                                               const std::string& bytes) {
    bool existed = false;
    if (std::optional<SystemFailure> failure = CheckTarget(path, existed)) {
        return CreateFailure(*failure, path);
    }
    const std::string folder = FolderOf(path);
    char temporaryPath[MAX_PATH] = {};
    if (folder.empty() ||
        GetTempFileNameA(folder.c_str(), kTemporaryPrefix, 0, temporaryPath) == 0) {
        return CreateFailure(LastSystemFailure(), path);
    }
    ScopeGuard removeTemporary([&] { DeleteFileA(temporaryPath); });
    if (std::optional<FileWriteFailure> failure = WriteToDisk(temporaryPath, bytes, path)) {
        return failure;
    }
    const std::string backup = existed ? FreeNameIn(folder) : std::string();
    if (existed && backup.empty()) {
        return CreateFailure(LastSystemFailure(), path);
    }
    if (existed) {
        // The replacement looks after the temporary file from here on.
        removeTemporary.Dismiss();
        Win32FileSteps steps;
        if (const std::optional<SystemFailure> failure =
                ReplaceExistingFile(steps, path, temporaryPath, backup, bytes)) {
            return CreateFailure(*failure, path);
        }
        return std::nullopt;
    }
    if (const std::optional<SystemFailure> failure = PutInPlace(path, temporaryPath)) {
        return CreateFailure(*failure, path);
    }
    removeTemporary.Dismiss();
    return std::nullopt;
}

} // namespace vevove
