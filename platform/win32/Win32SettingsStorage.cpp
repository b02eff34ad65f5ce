#include "Win32Platform.h"

#include "CodePages.h"
#include "FileReplacement.h"
#include "OwnedHandle.h"
#include "ScopeGuard.h"
#include "SystemFailureText.h"
#include "WideText.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

namespace vevove {

namespace {

constexpr DWORD kReadChunk = 64 * 1024;
constexpr const wchar_t* kTemporaryPrefix = L"Scr";
// Another program (a virus scanner, a backup) may hold the file open for a
// moment: the replacement is tried again this long apart.
constexpr DWORD kReplacePause = 50;

// The settings' paths are UTF-8, so that a folder whose name the ANSI code
// page cannot hold is served; the system's wide functions take them.
WideText Wide(const std::string& path) {
    return WideFromCodePage(CP_UTF8, path);
}

std::string Utf8(const wchar_t* path) {
    return CodePageFromWide(CP_UTF8, WideText(path));
}

// The path made absolute as the system would open it, in `buffer`, and where
// its file name starts; false, with the last-error code set, when that
// cannot be done.
bool FullPathOf(const std::string& path, WideText& buffer, wchar_t** name) {
    const WideText wide = Wide(path);
    buffer.assign(MAX_PATH, L'\0');
    DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), name);
    if (length >= buffer.size()) {
        buffer.assign(length, L'\0');
        length =
            GetFullPathNameW(wide.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), name);
    }
    if (length == 0 || length >= buffer.size()) {
        return false;
    }
    buffer.resize(length);
    return true;
}

// The full path is asked for only after the reason was read, since asking may
// change the last-error code; the path itself when it cannot be made
// absolute.
FileWriteFailure CreateFailure(const SystemFailure& reason, const std::string& path) {
    WideText full;
    const bool made = FullPathOf(path, full, nullptr);
    return FileWriteFailure{FileWriteFailure::Step::Create, reason,
                            made ? CodePageFromWide(CP_UTF8, full) : path};
}

// The folder that holds the file at `path`, with its trailing backslash;
// empty, with the last-error code set, when the path cannot be made absolute.
WideText FolderOf(const std::string& path) {
    WideText full;
    wchar_t* name = nullptr;
    if (!FullPathOf(path, full, &name) || name == nullptr) {
        return {};
    }
    return WideText(full.data(), name);
}

// Whether the target is there, looked at without creating, opening or
// changing it, so that no reader ever finds it empty and readers may hold it
// meanwhile. A folder of that name, or an existing hidden or system file, is
// refused with ERROR_ACCESS_DENIED, as creating the file over it would be.
std::optional<SystemFailure> CheckTarget(const std::string& path, bool& existed) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
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
std::optional<FileWriteFailure> WriteToDisk(const std::string& temporaryPath,
                                            const std::string& bytes, const std::string& target) {
    const OwnedHandle file(CreateFileW(Wide(temporaryPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

// A new empty file of ours in the folder under a unique name; empty, with the
// last-error code set, when none can be made.
std::string NewFileIn(const WideText& folder) {
    wchar_t name[MAX_PATH] = {};
    if (folder.empty() || GetTempFileNameW(folder.c_str(), kTemporaryPrefix, 0, name) == 0) {
        return {};
    }
    return Utf8(name);
}

// A unique name in the folder for a file of ours, made and then removed, so
// that a later call can create a file under it.
std::string FreeNameIn(const WideText& folder) {
    std::string name = NewFileIn(folder);
    if (!name.empty()) {
        DeleteFileW(Wide(name).c_str());
    }
    return name;
}

std::optional<SystemFailure> ReadWholeFile(const std::string& path, std::string& bytes) {
    // A save may replace the file meanwhile: this read keeps the file it
    // opened.
    const OwnedHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
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
std::optional<SystemFailure> PutInPlace(const std::string& path, const std::string& replacement) {
    return FailedUnless(MoveFileExW(Wide(replacement).c_str(), Wide(path).c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

} // namespace

// The shell's path of CSIDL_COMMON_APPDATA without a trailing backslash; empty
// when the shell cannot name the folder.
std::string Win32SettingsStorage::CommonDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(
            SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    WideText folder(path);
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return CodePageFromWide(CP_UTF8, folder);
}

// As the program's other texts: in the ANSI code page, where a character it
// lacks shows as a question mark.
std::string Win32SettingsStorage::ShownPath(const std::string& path) {
    return CodePageFromWide(CP_ACP, Wide(path));
}

// A directory search rather than an attribute query, so that a file whose
// last-write time has no DOS date counts as absent.
bool Win32SettingsStorage::IsLoadableFile(const std::string& path) {
    WIN32_FIND_DATAW found;
    const OwnedFindHandle search(FindFirstFileW(Wide(path).c_str(), &found));
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
    const WideText folder = FolderOf(path);
    const std::string temporaryPath = NewFileIn(folder);
    if (temporaryPath.empty()) {
        return CreateFailure(LastSystemFailure(), path);
    }
    ScopeGuard removeTemporary([&] { DeleteFileW(Wide(temporaryPath).c_str()); });
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
