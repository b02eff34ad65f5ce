// The desktop as plain state: a window tree of classes and owning processes,
// the shell's process with its pointer width and the blocks reserved in it
// (real bytes; an address outside every block is refused), and the shell's
// list view of icons. The list view answers its messages the way comctl32
// does, reading the records from the block with the layout of the shell's own
// pointer width, so a record in the wrong layout sends it astray; with
// automatic arrangement on, it keeps its icons where they are. Its search
// compares texts as FoldedCase does, and takes "\u00DF" for "ss", as Windows
// sorts it.
// The list view can stop answering: then every message sent to it waits,
// unanswered, and is handled once it answers again, before the message that
// finds it answering; setting its style meanwhile would wait for it.
// Failures: "Open", "Write", "Read", "Close", "SearchKey", and "Answer": the
// list view stops answering at that message.
#pragma once

#include "InjectedFailures.h"
#include "RemoteMemory.h"
#include "ShellWindows.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vevove::fake {

constexpr std::int32_t kListViewIconStyle = 0x56000000 | 0x0800 | 0x0008; // visible child
constexpr std::int32_t kAutoArrange = 0x0100;

class FakeDesktop : public ShellWindows, public RemoteMemory {
  public:
    struct Window {
        WindowId id = 0;
        std::string className;
        WindowId parent = 0; // 0: top level
        std::uint32_t processId = 0;
    };
    struct Item {
        std::u16string text;
        std::int32_t x = 0;
        std::int32_t y = 0;
    };

    std::vector<Window> windows; // in z-order, first on top
    std::uint32_t shellProcessId = 0x9F4;
    int shellPointerBits = 64;
    int programPointerBits = 64;
    std::map<RemoteAddress, std::vector<std::uint8_t>> blocks; // in the shell's process
    std::set<std::uint64_t> openProcesses;                     // our handles to it
    InjectedFailures failures;

    WindowId listView = 0; // the window that answers as the list view below
    std::vector<Item> items;
    std::int32_t style = kListViewIconStyle;
    // The bytes of each item record the list view was sent, as they lay in
    // the block when the message came.
    std::vector<std::vector<std::uint8_t>> itemRecords;
    // The list view's own reads and writes that went outside every block.
    int strayAccesses = 0;
    bool answering = true;
    struct Message {
        std::uint32_t message = 0;
        std::uint64_t wParam = 0;
        std::int64_t lParam = 0;
    };
    std::vector<Message> unanswered; // in the order they were sent
    // Calls that would have waited for the list view while it did not answer.
    int blockedCalls = 0;

    WindowId AddWindow(const std::string& className, WindowId parent, std::uint32_t processId);
    // "Progman", its "SHELLDLL_DefView" and the "SysListView32" that answers
    // as the list view, as Windows 7 builds them. Returns the list view.
    WindowId StartShell();
    // The same view under a "WorkerW", after a "Progman" without children and
    // an empty "WorkerW", as Windows 10 leaves them.
    WindowId StartShellUnderWorkerW();

    WindowId FindTopLevel(const std::string& className, WindowId after) override;
    WindowId FindChild(WindowId parent, const std::string& className) override;
    std::uint32_t ProcessId(WindowId window) override;
    std::optional<std::int64_t> Send(WindowId window, std::uint32_t message, std::uint64_t wParam,
                                     std::int64_t lParam) override;
    std::int32_t Style(WindowId window) override { return window == listView ? style : 0; }
    void SetStyle(WindowId window, std::int32_t newStyle) override;
    std::optional<SystemFailure> SearchKey(const std::u16string& text, std::string& key) override;

    std::optional<SystemFailure> Open(std::uint32_t processId, std::uint32_t size,
                                      RemoteBlockId& block) override;
    std::optional<SystemFailure> Write(const RemoteBlockId& block, RemoteAddress at,
                                       const void* bytes, std::uint32_t count) override;
    std::optional<SystemFailure> Read(const RemoteBlockId& block, RemoteAddress at, void* bytes,
                                      std::uint32_t count) override;
    std::optional<SystemFailure> Close(const RemoteBlockId& block) override;
    int OwnPointerBits() override { return programPointerBits; }

  private:
    WindowId AddShellView(WindowId top);
    static bool SameText(const std::string& a, const std::string& b);
    WindowId FindAfter(WindowId parent, WindowId after, const std::string& className);
    // The bytes from `at` to the end of its block (`room` of them, 0 outside
    // every block), and the bytes [at, at + count) of one block, or nullptr.
    std::uint8_t* BlockAt(RemoteAddress at, std::uint64_t& room);
    std::uint8_t* BlockBytes(RemoteAddress at, std::uint64_t count);
    // The bytes a copy of ours reaches, or the failure to report.
    std::optional<SystemFailure> Reach(const char* operation, const RemoteBlockId& block,
                                       RemoteAddress at, std::uint32_t count, std::uint8_t*& bytes);
    std::uint8_t* ShellBytes(RemoteAddress at, std::uint64_t count);
    std::vector<std::uint8_t> ShellRecord(RemoteAddress at, std::size_t size);
    RemoteAddress PointerAt(const std::vector<std::uint8_t>& record, std::size_t offset) const;
    std::int64_t Handle(const Message& message);
    std::int64_t GetItemText(std::uint64_t item, RemoteAddress at);

    WindowId nextWindow_ = 0x10010;
    std::uint64_t nextProcessHandle_ = 0x1C4;
    std::uint64_t reserved_ = 0;
};

} // namespace vevove::fake
