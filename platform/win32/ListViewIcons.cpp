#include "DesktopWays.h"

#include "ListViewRecords.h"
#include "OwnedHandle.h"
#include "SystemFailureText.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace vevove {

namespace {

// The records match the system's own where our pointers are as wide as the
// shell's.
constexpr const ListViewLayout& kOwnLayout = sizeof(void*) == 8 ? kListView64 : kListView32;
static_assert(offsetof(LVITEMW, pszText) == kOwnLayout.itemTextOffset);
static_assert(offsetof(LVITEMW, cchTextMax) == kOwnLayout.itemTextMaxOffset);
static_assert(offsetof(LVITEMW, iIndent) + sizeof(int) <= kOwnLayout.itemSize);
static_assert(sizeof(POINT) == kPointSize);
static_assert(LVM_GETITEMCOUNT == kLvmGetItemCount && LVM_GETITEMPOSITION == kLvmGetItemPosition &&
              LVM_SETITEMPOSITION32 == kLvmSetItemPosition32 &&
              LVM_GETITEMTEXTW == kLvmGetItemTextW && LVS_AUTOARRANGE == kLvsAutoArrange);

// Only what a block needs: reserve and release, read and write, and ask the
// process's bitness.
constexpr DWORD kBlockRights =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION;
constexpr std::uint32_t kPointsPerTurn = kRemoteBlockSize / kPointSize;

HWND ListViewOf(HWND top) {
    HWND view =
        top != nullptr ? FindWindowExW(top, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
    return view != nullptr ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

// Windows 10 and later move the view under a top-level "WorkerW" once the
// wallpaper has been animated; Windows 11 24H2 puts a "WorkerW" beside it
// under "Progman".
HWND FindDesktopListView() {
    if (HWND listView = ListViewOf(FindWindowW(L"Progman", nullptr))) {
        return listView;
    }
    HWND worker = nullptr;
    while ((worker = FindWindowExW(nullptr, worker, L"WorkerW", nullptr)) != nullptr) {
        if (HWND listView = ListViewOf(worker)) {
            return listView;
        }
    }
    return nullptr;
}

DesktopFailure SystemFailed() {
    return DesktopFailure{DesktopFailure::Kind::System, LastSystemFailure()};
}

// A process that does not run under WOW64 is as wide as the system, which a
// 32-bit program learns from its own WOW64 state.
bool PointerBits(HANDLE process, int& bits) {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(process, &wow64)) {
        return false;
    }
    if (wow64 || sizeof(void*) == 8) {
        bits = wow64 ? 32 : 64;
        return true;
    }
    BOOL selfWow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &selfWow64)) {
        return false;
    }
    bits = selfWow64 ? 64 : 32;
    return true;
}

// The one block in the shell's process that the messages' records lie in.
// Its messages are sent without a time limit: the worker may wait, and once a
// message has been answered, the shell is done with the block. The list view
// knows no file names.
class ListViewIcons final : public DesktopWay {
  public:
    ListViewIcons(HWND listView, OwnedHandle process, void* block, int pointerBits)
        : listView_(listView), process_(std::move(process)), block_(block),
          layout_(ListViewLayoutFor(pointerBits)) {}

    ~ListViewIcons() override { VirtualFreeEx(process_.get(), block_, 0, MEM_RELEASE); }

    bool Alive() const override { return IsWindow(listView_) != FALSE; }
    DesktopResult Read(IconParts parts, std::vector<DesktopIcon>& icons) override;
    DesktopResult AutoArrange(bool& on) override {
        on = (GetWindowLongW(listView_, GWL_STYLE) & LVS_AUTOARRANGE) != 0;
        return std::nullopt;
    }
    // The style is read right before it changes, and only the one bit
    // changes, so that nothing else that changed meanwhile is undone.
    DesktopResult SetAutoArrange(bool on) override {
        const LONG style = GetWindowLongW(listView_, GWL_STYLE);
        SetWindowLongW(listView_, GWL_STYLE,
                       on ? style | LVS_AUTOARRANGE : style & ~LVS_AUTOARRANGE);
        ShellAnswered();
        return std::nullopt;
    }
    DesktopResult Move(const std::vector<IconMove>& moves) override;

  private:
    RemoteAddress Address(std::size_t offset = 0) const {
        return static_cast<RemoteAddress>(reinterpret_cast<UINT_PTR>(block_)) + offset;
    }
    void* At(RemoteAddress address) const {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): an address in the shell's process
        return reinterpret_cast<void*>(static_cast<UINT_PTR>(address));
    }
    LRESULT Send(UINT message, WPARAM wParam, RemoteAddress record) const {
        const LRESULT answer =
            SendMessageW(listView_, message, wParam, static_cast<LPARAM>(record));
        ShellAnswered();
        return answer;
    }
    bool Write(std::size_t offset, const std::vector<std::uint8_t>& bytes) const {
        return WriteProcessMemory(process_.get(), At(Address(offset)), bytes.data(), bytes.size(),
                                  nullptr) != 0;
    }
    bool Read(std::size_t offset, std::uint8_t* bytes, std::size_t count) const {
        return ReadProcessMemory(process_.get(), At(Address(offset)), bytes, count, nullptr) != 0;
    }

    HWND listView_;
    OwnedHandle process_;
    void* block_;
    const ListViewLayout& layout_;
};

// The items go through the slots in turns: each item of a turn has its
// requests answered into its own slot, and then one copy brings back the
// whole turn. A position the list view does not give is marked so.
DesktopResult ListViewIcons::Read(IconParts parts, std::vector<DesktopIcon>& icons) {
    const auto count = static_cast<std::size_t>(std::max<LRESULT>(Send(LVM_GETITEMCOUNT, 0, 0), 0));
    std::vector<std::uint8_t> slots(std::size_t{kItemSlots} * layout_.slotSize, 0);
    for (std::size_t slot = 0; slot < kItemSlots; ++slot) {
        const std::vector<std::uint8_t> record =
            ItemTextRecord(layout_, Address(slot * layout_.slotSize));
        std::copy(record.begin(), record.end(),
                  slots.begin() + static_cast<std::ptrdiff_t>(slot * layout_.slotSize));
    }
    if (!Write(0, slots)) {
        return SystemFailed();
    }
    icons.clear();
    for (std::size_t first = 0; first < count; first += kItemSlots) {
        const std::size_t turn = std::min<std::size_t>(kItemSlots, count - first);
        std::array<std::uint32_t, kItemSlots> lengths{};
        std::array<bool, kItemSlots> placed{};
        for (std::size_t slot = 0; slot < turn; ++slot) {
            const RemoteAddress record = Address(slot * layout_.slotSize);
            lengths[slot] = ReportedTextLength(Send(LVM_GETITEMTEXTW, first + slot, record));
            if (parts.positions) {
                placed[slot] =
                    Send(LVM_GETITEMPOSITION, first + slot, record + layout_.pointArea) != 0;
            }
        }
        if (!Read(0, slots.data(), turn * layout_.slotSize)) {
            return SystemFailed();
        }
        for (std::size_t slot = 0; slot < turn; ++slot) {
            const std::uint8_t* bytes = slots.data() + slot * layout_.slotSize;
            DesktopIcon icon;
            icon.label = ItemText(bytes + layout_.textArea, lengths[slot]);
            if (placed[slot]) {
                ReadPoint(bytes + layout_.pointArea, icon.x, icon.y);
            }
            icon.positionRead = placed[slot] || !parts.positions;
            icons.push_back(std::move(icon));
        }
    }
    return std::nullopt;
}

// Full 32-bit positions: each move's point lies in the block, a turn of them
// copied at once.
DesktopResult ListViewIcons::Move(const std::vector<IconMove>& moves) {
    for (std::size_t first = 0; first < moves.size(); first += kPointsPerTurn) {
        const std::size_t turn = std::min<std::size_t>(kPointsPerTurn, moves.size() - first);
        std::vector<std::int32_t> xs;
        std::vector<std::int32_t> ys;
        for (std::size_t at = first; at < first + turn; ++at) {
            xs.push_back(moves[at].x);
            ys.push_back(moves[at].y);
        }
        if (!Write(0, PointRecords(xs, ys))) {
            return SystemFailed();
        }
        for (std::size_t at = 0; at < turn; ++at) {
            Send(LVM_SETITEMPOSITION32, moves[first + at].icon, Address(at * kPointSize));
        }
    }
    return std::nullopt;
}

} // namespace

// Each failure's code is read before the process is closed, which may change
// it.
DesktopResult OpenListViewIcons(std::unique_ptr<DesktopWay>& way) {
    HWND listView = FindDesktopListView();
    DWORD processId = 0;
    if (listView == nullptr || GetWindowThreadProcessId(listView, &processId) == 0 ||
        processId == 0) {
        return std::nullopt;
    }
    OwnedHandle process(OpenProcess(kBlockRights, FALSE, processId));
    if (process.get() == nullptr) {
        return SystemFailed();
    }
    int bits = 0;
    if (!PointerBits(process.get(), bits)) {
        return SystemFailed();
    }
    // Records for a process wider than ours could not carry its addresses.
    if (bits > static_cast<int>(8 * sizeof(void*))) {
        return DesktopFailure{DesktopFailure::Kind::WiderShell, {}};
    }
    void* const block =
        VirtualAllocEx(process.get(), nullptr, kRemoteBlockSize, MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr) {
        return SystemFailed();
    }
    way = std::make_unique<ListViewIcons>(listView, std::move(process), block, bits);
    return std::nullopt;
}

} // namespace vevove
