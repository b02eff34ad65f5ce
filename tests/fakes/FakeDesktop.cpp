#include "FakeDesktop.h"

#include "FoldedCase.h"

#include <algorithm>
#include <cstring>

namespace vevove::fake {

namespace {

constexpr std::uint32_t kErrorInvalidParameter = 87;

SystemFailure Failure(std::uint32_t code) {
    return SystemFailure{code, FakeSystemText(code)};
}

} // namespace

bool FakeDesktop::SameText(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

WindowId FakeDesktop::AddWindow(const std::string& className, WindowId parent,
                                std::uint32_t processId) {
    windows.push_back(Window{nextWindow_, className, parent, processId});
    nextWindow_ += 0x12;
    return windows.back().id;
}

WindowId FakeDesktop::AddShellView(WindowId top) {
    const WindowId view = AddWindow("SHELLDLL_DefView", top, shellProcessId);
    listView = AddWindow("SysListView32", view, shellProcessId);
    return listView;
}

WindowId FakeDesktop::StartShell() {
    return AddShellView(AddWindow("Progman", 0, shellProcessId));
}

WindowId FakeDesktop::StartShellUnderWorkerW() {
    AddWindow("Progman", 0, shellProcessId);
    AddWindow("WorkerW", 0, shellProcessId);
    return AddShellView(AddWindow("WorkerW", 0, shellProcessId));
}

// The first window of `parent` after `after` (0: from the first) of the class
// (empty: any class).
WindowId FakeDesktop::FindAfter(WindowId parent, WindowId after, const std::string& className) {
    bool passed = after == 0;
    for (const Window& window : windows) {
        if (window.parent != parent) {
            continue;
        }
        if (!passed) {
            passed = window.id == after;
        } else if (className.empty() || SameText(className, window.className)) {
            return window.id;
        }
    }
    return 0;
}

WindowId FakeDesktop::FindTopLevel(const std::string& className, WindowId after) {
    return FindAfter(0, after, className);
}

WindowId FakeDesktop::FindChild(WindowId parent, const std::string& className) {
    return parent == 0 ? 0 : FindAfter(parent, 0, className);
}

std::uint32_t FakeDesktop::ProcessId(WindowId window) {
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [&](const Window& entry) { return entry.id == window; });
    return found == windows.end() ? 0 : found->processId;
}

void FakeDesktop::SetStyle(WindowId window, std::int32_t newStyle) {
    if (window == listView) {
        blockedCalls += answering ? 0 : 1;
        style = newStyle;
    }
}

std::optional<SystemFailure> FakeDesktop::SearchKey(const std::u16string& text, std::string& key) {
    if (auto failure = failures.Take("SearchKey")) {
        return failure;
    }
    key.clear();
    for (const char16_t unit : FoldedCase(text.substr(0, text.find(u'\0')))) {
        const std::u16string units = unit == u'\u00DF' ? u"ss" : std::u16string(1, unit);
        for (const char16_t sorted : units) {
            key.push_back(static_cast<char>(sorted & 0xFF));
            key.push_back(static_cast<char>(sorted >> 8));
        }
    }
    return std::nullopt;
}

// Blocks lie above 4 GB in a 64-bit shell, so that an address cut to 32 bits
// points nowhere.
std::optional<SystemFailure> FakeDesktop::Open(std::uint32_t processId, std::uint32_t size,
                                               RemoteBlockId& block) {
    if (auto failure = failures.Take("Open")) {
        return failure;
    }
    if (processId != shellProcessId || size == 0) {
        return Failure(kErrorInvalidParameter);
    }
    const RemoteAddress base = shellPointerBits == 64 ? 0x1F3A50000ull : 0x00A30000ull;
    block = RemoteBlockId{nextProcessHandle_, base + 0x10000 * reserved_++, shellPointerBits};
    nextProcessHandle_ += 4;
    blocks[block.address].assign(size, 0);
    openProcesses.insert(block.process);
    return std::nullopt;
}

std::uint8_t* FakeDesktop::BlockAt(RemoteAddress at, std::uint64_t& room) {
    room = 0;
    auto found = blocks.upper_bound(at);
    if (found == blocks.begin() || at - (--found)->first >= found->second.size()) {
        return nullptr;
    }
    room = found->second.size() - (at - found->first);
    return found->second.data() + (at - found->first);
}

std::uint8_t* FakeDesktop::BlockBytes(RemoteAddress at, std::uint64_t count) {
    std::uint64_t room = 0;
    std::uint8_t* bytes = BlockAt(at, room);
    return room >= count ? bytes : nullptr;
}

std::optional<SystemFailure> FakeDesktop::Reach(const char* operation, const RemoteBlockId& block,
                                                RemoteAddress at, std::uint32_t count,
                                                std::uint8_t*& bytes) {
    if (auto failure = failures.Take(operation)) {
        return failure;
    }
    if (openProcesses.count(block.process) == 0) {
        return Failure(kErrorInvalidHandle);
    }
    bytes = BlockBytes(at, count);
    return bytes == nullptr ? std::optional(Failure(kErrorPartialCopy)) : std::nullopt;
}

std::optional<SystemFailure> FakeDesktop::Write(const RemoteBlockId& block, RemoteAddress at,
                                                const void* bytes, std::uint32_t count) {
    std::uint8_t* target = nullptr;
    auto failure = Reach("Write", block, at, count, target);
    if (!failure) {
        std::memcpy(target, bytes, count);
    }
    return failure;
}

std::optional<SystemFailure> FakeDesktop::Read(const RemoteBlockId& block, RemoteAddress at,
                                               void* bytes, std::uint32_t count) {
    std::uint8_t* source = nullptr;
    auto failure = Reach("Read", block, at, count, source);
    if (!failure) {
        std::memcpy(bytes, source, count);
    }
    return failure;
}

// The process is closed whether or not the block could be released.
std::optional<SystemFailure> FakeDesktop::Close(const RemoteBlockId& block) {
    if (openProcesses.erase(block.process) == 0) {
        return Failure(kErrorInvalidHandle);
    }
    if (auto failure = failures.Take("Close")) {
        return failure;
    }
    return blocks.erase(block.address) == 0 ? std::optional(Failure(kErrorInvalidParameter))
                                            : std::nullopt;
}

} // namespace vevove::fake
