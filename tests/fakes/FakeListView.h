// The desktop's list view in the shell's process. It answers the list-view
// messages the way comctl32 does, reading the records from the bytes in the
// shell's memory with the layout of the shell's own pointer width (LVITEMA,
// LVFINDINFOA with 32-bit or 64-bit pointers), so a record in the wrong
// layout sends it astray. With automatic arrangement on, it keeps its icons
// arranged and a position set is lost.
#pragma once

#include "tests/fakes/FakeShellProcess.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vevove::fake {

constexpr std::int32_t kListViewIconStyle =
    0x56000000 | 0x0800 | 0x0008; // visible child, shared images
constexpr std::int32_t kAutoArrange = 0x0100;

class FakeListView {
  public:
    struct Item {
        std::string text;
        std::int32_t x = 0;
        std::int32_t y = 0;
    };

    explicit FakeListView(FakeShellProcess& process) : process_(process) {}

    std::vector<Item> items;
    std::int32_t style = kListViewIconStyle;

    // Adds an item; the position is where it lands.
    void add(const std::string& text, std::int32_t x, std::int32_t y);

    // SendMessageA to the list view.
    std::int64_t message(std::uint32_t number, std::uint64_t wParam, std::int64_t lParam);

    // The bytes of the item records of LVM_GETITEMTEXTA and the search records
    // (with the name behind them) of LVM_FINDITEMA, as they lay in the block
    // when the message came; the positions set while automatic arrangement was
    // on.
    std::vector<std::vector<std::uint8_t>> itemRecords;
    std::vector<std::vector<std::uint8_t>> findRecords;
    int movesWhileArranged = 0;

  private:
    std::int64_t getItemText(std::uint64_t item, RemoteAddress record);
    std::int64_t getItemPosition(std::uint64_t item, RemoteAddress point);
    std::int64_t findItem(std::int64_t after, RemoteAddress record);
    std::int64_t setItemPosition(std::uint64_t item, std::int64_t packed);
    // A pointer field of the shell's width.
    RemoteAddress pointerAt(const std::vector<std::uint8_t>& record, std::size_t offset) const;

    FakeShellProcess& process_;
};

} // namespace vevove::fake
