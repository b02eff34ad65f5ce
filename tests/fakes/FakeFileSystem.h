// An in-memory file system: folders, files with bytes, attributes and a
// last-write time, handles opened with Win32's access and sharing rules,
// files held open by other processes, and a disk that can fill up.
//
// Paths are resolved like GetFullPathNameA (relative to `currentFolder`, "\"
// at the start meaning the current drive's root, "." and ".." folded) and
// compared without regard to case. Drive paths only; no UNC paths and no
// wildcards: a search finds the one name it is given.
#pragma once

#include "platform/Platform.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeHandles.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vevove::fake {

constexpr std::uint32_t kFileAttributeReadOnly = 0x1;
constexpr std::uint32_t kFileAttributeArchive = 0x20;
constexpr std::uint32_t kFileShareWrite = 0x2;

class FakeFileSystem {
  public:
    FakeFileSystem(FakeHandles& handles, FakeClock& clock) : handles_(handles), clock_(clock) {}

    // Setting up and inspecting, for tests. Adding creates missing parents.
    std::string currentFolder = "C:\\";
    void addFolder(const std::string& path);
    void addFile(const std::string& path, const std::string& bytes);
    void addFile(const std::string& path, const std::string& bytes, FileTime lastWrite,
                 std::uint32_t attributes = kFileAttributeArchive);
    bool isFile(const std::string& path) const;
    // The bytes of a file; throws std::out_of_range when there is none.
    const std::string& contents(const std::string& path) const;
    FileTime lastWriteTime(const std::string& path) const;
    // Another process opens the file with this access and sharing, so that
    // opening it here conflicts as Win32's sharing rules say.
    void openElsewhere(const std::string& path, std::uint32_t access, std::uint32_t share);
    void closeElsewhere(const std::string& path);
    // Bytes the disk can still take; unlimited until set.
    void setFreeSpace(std::uint64_t bytes) { freeSpace_ = bytes; }

    // The platform's calls. On failure they set `lastError` as Win32 does.
    std::string fullPath(const std::string& path) const;
    Handle findFirst(const std::string& path, FindData& data, std::uint32_t& lastError);
    Handle create(const std::string& path, std::uint32_t access, std::uint32_t share,
                  std::uint32_t disposition, std::uint32_t attributes, std::uint32_t& lastError);
    bool read(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read,
              std::uint32_t& lastError);
    bool write(Handle file, const void* data, std::uint32_t count, std::uint32_t& written,
               std::uint32_t& lastError);
    void close(Handle file) { openFiles_.erase(file); }

  private:
    struct Opener {
        std::uint32_t access;
        std::uint32_t share;
    };
    struct Entry {
        std::string path; // full path as it was first given
        std::string bytes;
        std::uint32_t attributes = 0;
        FileTime lastWrite = 0;
        std::vector<Opener> elsewhere;
    };
    struct OpenFile {
        std::string key;
        Opener mode;
        std::size_t position = 0;
    };

    std::string keyOf(const std::string& path) const;
    bool parentExists(const std::string& key) const;
    const Entry& file(const std::string& path) const;
    void addEntry(const std::string& path, const Entry& entry);
    bool sharingAllows(const std::string& key, const Entry& entry, Opener mode) const;

    FakeHandles& handles_;
    FakeClock& clock_;
    std::map<std::string, Entry> entries_{
        {"c:\\", Entry{"C:\\", {}, kFileAttributeDirectory, 0, {}}}};
    std::map<Handle, OpenFile> openFiles_;
    std::optional<std::uint64_t> freeSpace_;
};

} // namespace vevove::fake
