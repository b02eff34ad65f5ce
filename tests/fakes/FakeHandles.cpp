#include "tests/fakes/FakeHandles.h"

namespace vevove::fake {

namespace {

const char* KindName(HandleKind kind) {
    switch (kind) {
    case HandleKind::File:
        return "file";
    case HandleKind::Search:
        return "search";
    case HandleKind::Process:
        return "process";
    }
    return "handle";
}

} // namespace

// Numbered like Win32 handles: multiples of 4, never 0, never reused.
Handle FakeHandles::open(HandleKind kind, const std::string& what) {
    const Handle handle = next_;
    next_ += 4;
    open_.emplace(handle, Entry{kind, what});
    return handle;
}

std::optional<HandleKind> FakeHandles::kind(Handle handle) const {
    const auto entry = open_.find(handle);
    if (entry == open_.end()) {
        return std::nullopt;
    }
    return entry->second.kind;
}

void FakeHandles::close(Handle handle) {
    open_.erase(handle);
}

std::vector<std::string> FakeHandles::openHandles() const {
    std::vector<std::string> names;
    for (const auto& [handle, entry] : open_) {
        names.push_back(std::string(KindName(entry.kind)) + " " + entry.what);
    }
    return names;
}

} // namespace vevove::fake
