// The shell's special folders: item identifier lists handed out by number,
// their file-system paths, and the allocator that frees the lists.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vevove::fake {

constexpr std::int32_t kHresultFail = static_cast<std::int32_t>(0x80004005);       // E_FAIL
constexpr std::int32_t kHresultInvalidArg = static_cast<std::int32_t>(0x80070057); // E_INVALIDARG

class FakeShellFolders {
  public:
    // The folder has this file-system path (as the shell gives it, so a drive
    // root keeps its backslash: "D:\").
    void setPath(int folder, const std::string& path);
    // The shell knows the folder, but it has no file-system path (step two of
    // the lookup fails), like the virtual folders.
    void setWithoutPath(int folder);
    // Asking for the folder fails with this HRESULT.
    void setLocationError(int folder, std::int32_t hresult);

    // Lists handed out and not yet freed, and frees of lists never handed out
    // or freed twice.
    std::size_t liveLists() const { return live_.size(); }
    int badFrees() const { return badFrees_; }

    // SHGetSpecialFolderLocation: E_INVALIDARG for a folder never set up.
    std::int32_t location(int folder, IdListHandle& list);
    // SHGetPathFromIDListA into 260 bytes: false for an unknown list, a
    // folder without a path, or a path that does not fit (which leaves the
    // first 259 bytes in `path`).
    bool path(IdListHandle list, std::string& path) const;
    // The shell allocator's DidAlloc and Free.
    void free(IdListHandle list);

  private:
    struct Folder {
        std::int32_t locationResult = 0;
        std::optional<std::string> path;
    };

    std::map<int, Folder> folders_;
    std::map<IdListHandle, int> live_;
    IdListHandle next_ = 0x1A2B00;
    int badFrees_ = 0;
};

} // namespace vevove::fake
