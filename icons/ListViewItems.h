// Every item of the desktop's list view read once, in item order: its text
// and, for a save, its position.
#pragma once

#include "IconPositionsKey.h"
#include "ShellListView.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vevove {

struct ListViewItem {
    std::u16string text; // up to kItemTextCapacity - 1 units
    // x, then y, little-endian; zeros when not asked for or not given.
    std::array<std::uint8_t, kIconPositionSize> point{};
};

enum class ItemParts { Texts, TextsAndPositions };

std::vector<ListViewItem> ReadListViewItems(ShellListView& listView, ItemParts parts);

} // namespace vevove
