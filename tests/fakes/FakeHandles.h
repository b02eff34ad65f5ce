// The kernel handles the fake has given out, so that a test can see which are
// still open and which were closed by the wrong function or twice.
#pragma once

#include "platform/Platform.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vevove::fake {

enum class HandleKind {
    File,    // CreateFileA, closed by CloseHandle
    Search,  // FindFirstFileA, closed by FindClose
    Process, // OpenProcess, closed by CloseHandle
};

class FakeHandles {
  public:
    // A new handle; `what` names it in openHandles(), e.g. the file's path.
    Handle open(HandleKind kind, const std::string& what);
    std::optional<HandleKind> kind(Handle handle) const;
    void close(Handle handle);

    // Remembers a wrong use of a handle (closing an unknown one, closing a
    // search with CloseHandle, ...).
    void misuse(const std::string& what) { misuses_.push_back(what); }

    // "file C:\ProgramData\ScrDef.ini" for each handle still open.
    std::vector<std::string> openHandles() const;
    const std::vector<std::string>& misuses() const { return misuses_; }

  private:
    struct Entry {
        HandleKind kind;
        std::string what;
    };

    Handle next_ = 0x104;
    std::map<Handle, Entry> open_;
    std::vector<std::string> misuses_;
};

} // namespace vevove::fake
