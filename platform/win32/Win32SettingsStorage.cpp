#include "Win32Platform.h"

#include "OwnedHandle.h"
#include "ScopeGuard.h"
#include "SystemFailureText.h"

#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <vector>

namespace vevove {

namespace {

constexpr DWORD kReadChunk = 64 * 1024;
constexpr const char* kTemporaryPrefix = "Scr";
// Another program (a virus scanner, a backup) may hold the file open for a
// moment: the replacement is tried again this often, this long apart.
constexpr int kReplaceTries = 10;
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

bool IsMomentary(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_ACCESS_DENIED;
}

// The new content takes the place of an existing file so that the file keeps
// its identity: its permissions, owner, attributes, alternate streams and
// hard links stay, as ReplaceFile keeps them. The old file goes under the
// backup's name meanwhile, so that whatever fails, the old content or the new
// one stands whole under the file's name:
// - ERROR_UNABLE_TO_REMOVE_REPLACED and the other failures: nothing moved;
//   tried again while another program may be holding the file;
// - ERROR_UNABLE_TO_MOVE_REPLACEMENT: the old file is back under its name;
// - ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: the old file stands under the
//   backup's name and the new one under its own, with the old one's
//   attributes and streams already: the new one takes the file's name, or else
//   the old one goes back.
std::optional<SystemFailure> ReplaceExisting(const std::string& path, const char* replacement,
                                             const std::string& backup) {
    for (int attempt = 1;; ++attempt) {
        if (ReplaceFileA(path.c_str(), replacement, backup.c_str(), 0, nullptr, nullptr)) {
            DeleteFileA(backup.c_str());
            return std::nullopt;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            if (MoveFileExA(replacement, path.c_str(), MOVEFILE_WRITE_THROUGH)) {
                DeleteFileA(backup.c_str());
                return std::nullopt;
            }
            const SystemFailure failure = LastSystemFailure();
            MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
            return failure;
        }
        if (!IsMomentary(error) || attempt == kReplaceTries) {
            return SystemFailureFor(error);
        }
        Sleep(kReplacePause);
    }
}

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

// The target is opened first, for writing and without sharing, as it was
// when it was truncated in place, so that a folder of its name, a file held
// open elsewhere or a missing folder fail with the codes they always had; but
// nothing of it is truncated. The new content goes to a temporary file in the
// same folder, reaches the disk, and only then takes the target's place:
// replacing a file that was there (which keeps its permissions), renamed to
// a new one. Either leaves the old file or the new one whole. A failure
// removes the temporary file, and the empty target where there was none. A
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
    if (const std::optional<SystemFailure> failure =
            existed ? ReplaceExisting(path, temporaryPath, backup)
                    : PutInPlace(path, temporaryPath)) {
        return CreateFailure(*failure, path);
    }
    removeTemporary.Dismiss();
    return std::nullopt;
}

} // namespace vevove
