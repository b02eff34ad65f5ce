#include "ListViewItems.h"

#include "ListViewRecords.h"

#include <algorithm>

namespace vevove {

namespace {

// Where a slot starts, from the start of the block.
std::size_t SlotOffset(const ListViewLayout& layout, std::size_t slot) {
    return slot * layout.slotSize;
}

// The slots' records, written once for the whole walk, and their areas.
std::vector<std::uint8_t> SlotRecords(const ListViewLayout& layout, RemoteAddress block) {
    std::vector<std::uint8_t> slots(SlotOffset(layout, kItemSlots), 0);
    for (std::size_t slot = 0; slot < kItemSlots; ++slot) {
        const std::vector<std::uint8_t> record =
            ItemTextRecord(layout, block + SlotOffset(layout, slot));
        std::copy(record.begin(), record.end(),
                  slots.begin() + static_cast<std::ptrdiff_t>(SlotOffset(layout, slot)));
    }
    return slots;
}

} // namespace

// The items go through the slots in turns: each item of a turn has its
// requests answered into its own slot, and then one copy brings back the
// whole turn, which spares a copy for every other item. A position the list
// view does not give counts as zeros.
std::vector<ListViewItem> ReadListViewItems(ShellListView& listView, ItemParts parts) {
    const std::int64_t count = listView.Send(kLvmGetItemCount, 0, 0);
    const ListViewLayout& layout = listView.layout();
    RemoteBlock& block = listView.block();
    std::vector<std::uint8_t> slots = SlotRecords(layout, block.address());
    block.Write(block.address(), slots.data(), static_cast<std::uint32_t>(slots.size()));

    std::vector<ListViewItem> items;
    for (std::int64_t first = 0; first < count; first += kItemSlots) {
        const auto turn =
            static_cast<std::size_t>(std::min<std::int64_t>(kItemSlots, count - first));
        std::array<std::uint32_t, kItemSlots> lengths{};
        std::array<bool, kItemSlots> placed{};
        for (std::size_t slot = 0; slot < turn; ++slot) {
            const auto item = static_cast<std::uint64_t>(first) + slot;
            const RemoteAddress record = block.address() + SlotOffset(layout, slot);
            lengths[slot] = ReportedTextLength(
                listView.Send(kLvmGetItemTextW, item, static_cast<std::int64_t>(record)));
            if (parts == ItemParts::TextsAndPositions) {
                placed[slot] =
                    listView.Send(kLvmGetItemPosition, item,
                                  static_cast<std::int64_t>(record + layout.pointArea)) != 0;
            }
        }
        block.Read(block.address(), slots.data(),
                   static_cast<std::uint32_t>(SlotOffset(layout, turn)));
        for (std::size_t slot = 0; slot < turn; ++slot) {
            const std::uint8_t* bytes = slots.data() + SlotOffset(layout, slot);
            ListViewItem item;
            item.text = ItemText(bytes + layout.textArea, lengths[slot]);
            if (placed[slot]) {
                std::copy_n(bytes + layout.pointArea, kIconPositionSize, item.point.begin());
            }
            items.push_back(std::move(item));
        }
    }
    return items;
}

} // namespace vevove
