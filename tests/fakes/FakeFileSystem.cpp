#include "tests/fakes/FakeFileSystem.h"

#include "tests/fakes/FakeCodePage.h"
#include "tests/fakes/FakeErrorCodes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vevove::fake {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The path made absolute, not yet folded: "C:\..." with the separators as given.
std::string Absolute(const std::string& path, const std::string& currentFolder) {
    const bool hasDrive = path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0]);
    if (hasDrive && path.size() >= 3 && path[2] == '\\') {
        return path;
    }
    if (hasDrive) { // "D:name", relative to that drive's current folder
        const bool currentDrive =
            AsciiLower(path.substr(0, 2)) == AsciiLower(currentFolder.substr(0, 2));
        return (currentDrive ? currentFolder : path.substr(0, 2)) + "\\" + path.substr(2);
    }
    if (path[0] == '\\') {
        return currentFolder.substr(0, 2) + path;
    }
    return currentFolder + "\\" + path;
}

} // namespace

std::string FakeFileSystem::fullPath(const std::string& path) const {
    if (path.empty()) {
        return {};
    }
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '/', '\\');
    const std::string absolute = Absolute(slashed, currentFolder);

    std::vector<std::string> parts;
    std::size_t pos = 3;
    while (pos <= absolute.size()) {
        std::size_t end = absolute.find('\\', pos);
        if (end == std::string::npos) {
            end = absolute.size();
        }
        const std::string part = absolute.substr(pos, end - pos);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = end + 1;
    }
    std::string full = absolute.substr(0, 3);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        full += (i == 0 ? "" : "\\") + parts[i];
    }
    if (!parts.empty() && slashed.back() == '\\') {
        full += '\\';
    }
    return full;
}

// Drive roots keep their backslash ("c:\"); other paths lose a trailing one.
std::string FakeFileSystem::keyOf(const std::string& path) const {
    std::string key = AsciiLower(fullPath(path));
    if (key.size() > 3 && key.back() == '\\') {
        key.pop_back();
    }
    return key;
}

bool FakeFileSystem::parentExists(const std::string& key) const {
    const std::size_t lastBackslash = key.rfind('\\');
    const std::string parent = key.substr(0, std::max<std::size_t>(lastBackslash, 3));
    const auto entry = entries_.find(parent);
    return entry != entries_.end() && (entry->second.attributes & kFileAttributeDirectory);
}

void FakeFileSystem::addEntry(const std::string& path, const Entry& entry) {
    const std::string key = keyOf(path);
    const std::size_t lastBackslash = key.rfind('\\');
    if (key.size() > 3 && !parentExists(key)) {
        addFolder(fullPath(path).substr(0, std::max<std::size_t>(lastBackslash, 3)));
    }
    entries_[key] = entry;
    entries_[key].path = fullPath(path);
}

void FakeFileSystem::addFolder(const std::string& path) {
    addEntry(path, Entry{{}, {}, kFileAttributeDirectory, clock_.now, {}});
}

void FakeFileSystem::addFile(const std::string& path, const std::string& bytes) {
    addFile(path, bytes, clock_.now);
}

void FakeFileSystem::addFile(const std::string& path, const std::string& bytes, FileTime lastWrite,
                             std::uint32_t attributes) {
    addEntry(path, Entry{{}, bytes, attributes, lastWrite, {}});
}

bool FakeFileSystem::isFile(const std::string& path) const {
    const auto entry = entries_.find(keyOf(path));
    return entry != entries_.end() && !(entry->second.attributes & kFileAttributeDirectory);
}

const FakeFileSystem::Entry& FakeFileSystem::file(const std::string& path) const {
    if (!isFile(path)) {
        throw std::out_of_range("no file " + path);
    }
    return entries_.at(keyOf(path));
}

const std::string& FakeFileSystem::contents(const std::string& path) const {
    return file(path).bytes;
}

FileTime FakeFileSystem::lastWriteTime(const std::string& path) const {
    return file(path).lastWrite;
}

void FakeFileSystem::openElsewhere(const std::string& path, std::uint32_t access,
                                   std::uint32_t share) {
    file(path);
    entries_.at(keyOf(path)).elsewhere.push_back(Opener{access, share});
}

void FakeFileSystem::closeElsewhere(const std::string& path) {
    file(path);
    entries_.at(keyOf(path)).elsewhere.clear();
}

Handle FakeFileSystem::findFirst(const std::string& path, FindData& data,
                                 std::uint32_t& lastError) {
    const std::string key = keyOf(path);
    if (key.size() <= 3 || !parentExists(key)) {
        lastError = key.size() <= 3 ? kErrorFileNotFound : kErrorPathNotFound;
        return 0;
    }
    const auto entry = entries_.find(key);
    if (entry == entries_.end()) {
        lastError = kErrorFileNotFound;
        return 0;
    }
    data.attributes = entry->second.attributes;
    data.lastWriteTime = entry->second.lastWrite;
    return handles_.open(HandleKind::Search, entry->second.path);
}

// Win32's sharing rule: every handle already open must share what the new one
// asks for, and the new one must share what every open handle has. Handles
// without read or write access take no part.
bool FakeFileSystem::sharingAllows(const std::string& key, const Entry& entry, Opener mode) const {
    std::vector<Opener> openers = entry.elsewhere;
    for (const auto& [handle, open] : openFiles_) {
        if (open.key == key) {
            openers.push_back(open.mode);
        }
    }
    const auto conflicts = [](std::uint32_t access, std::uint32_t share) {
        return ((access & kGenericRead) && !(share & kFileShareRead)) ||
               ((access & kGenericWrite) && !(share & kFileShareWrite));
    };
    return std::none_of(openers.begin(), openers.end(), [&](const Opener& other) {
        return (other.access & (kGenericRead | kGenericWrite)) &&
               (conflicts(mode.access, other.share) || conflicts(other.access, mode.share));
    });
}

Handle FakeFileSystem::create(const std::string& path, std::uint32_t access, std::uint32_t share,
                              std::uint32_t disposition, std::uint32_t attributes,
                              std::uint32_t& lastError) {
    if (disposition != kOpenExisting && disposition != kCreateAlways) {
        lastError = kErrorInvalidParameter;
        return 0;
    }
    const std::string key = keyOf(path);
    if (key.empty() || !parentExists(key)) {
        lastError = kErrorPathNotFound;
        return 0;
    }
    auto entry = entries_.find(key);
    const bool exists = entry != entries_.end();
    if (!exists && disposition == kOpenExisting) {
        lastError = kErrorFileNotFound;
        return 0;
    }
    if (exists &&
        ((entry->second.attributes & kFileAttributeDirectory) ||
         ((access & kGenericWrite) && (entry->second.attributes & kFileAttributeReadOnly)))) {
        lastError = kErrorAccessDenied;
        return 0;
    }
    const Opener mode{access, share};
    if (exists && !sharingAllows(key, entry->second, mode)) {
        lastError = kErrorSharingViolation;
        return 0;
    }
    if (disposition == kCreateAlways) {
        // CREATE_ALWAYS says by the last-error code whether a file was replaced.
        lastError = exists ? kErrorAlreadyExists : 0;
        const std::uint32_t kept = attributes & ~kFileAttributeNormal;
        if (exists) {
            if (freeSpace_) {
                *freeSpace_ += entry->second.bytes.size();
            }
            entry->second.bytes.clear();
            entry->second.attributes = kept | kFileAttributeArchive;
            entry->second.lastWrite = clock_.now;
        } else {
            addFile(path, {}, clock_.now, kept | kFileAttributeArchive);
        }
    }
    const Handle handle = handles_.open(HandleKind::File, entries_.at(key).path);
    openFiles_.emplace(handle, OpenFile{key, mode, 0});
    return handle;
}

bool FakeFileSystem::read(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read,
                          std::uint32_t& lastError) {
    read = 0;
    OpenFile& open = openFiles_.at(file);
    if (!(open.mode.access & kGenericRead)) {
        lastError = kErrorAccessDenied;
        return false;
    }
    const std::string& bytes = entries_.at(open.key).bytes;
    const std::size_t available = bytes.size() - std::min(open.position, bytes.size());
    read = static_cast<std::uint32_t>(std::min<std::size_t>(count, available));
    std::memcpy(buffer, bytes.data() + open.position, read);
    open.position += read;
    return true;
}

// A full disk takes what still fits and reports the rest as not written; when
// nothing fits, the write fails with ERROR_DISK_FULL.
bool FakeFileSystem::write(Handle file, const void* data, std::uint32_t count,
                           std::uint32_t& written, std::uint32_t& lastError) {
    written = 0;
    OpenFile& open = openFiles_.at(file);
    if (!(open.mode.access & kGenericWrite)) {
        lastError = kErrorAccessDenied;
        return false;
    }
    Entry& entry = entries_.at(open.key);
    std::size_t fits = count;
    if (freeSpace_) {
        const std::size_t growth =
            open.position + count - std::min(open.position + count, entry.bytes.size());
        fits = count - (growth - std::min<std::size_t>(growth, *freeSpace_));
        if (fits == 0 && count > 0) {
            lastError = kErrorDiskFull;
            return false;
        }
    }
    const std::size_t end = open.position + fits;
    if (freeSpace_ && end > entry.bytes.size()) {
        *freeSpace_ -= end - entry.bytes.size();
    }
    if (end > entry.bytes.size()) {
        entry.bytes.resize(end);
    }
    std::memcpy(entry.bytes.data() + open.position, data, fits);
    open.position = end;
    entry.lastWrite = clock_.now;
    written = static_cast<std::uint32_t>(fits);
    return true;
}

} // namespace vevove::fake
