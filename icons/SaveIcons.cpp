// "Save Icons": every desktop icon's text and position into the registry.
#include "app/Unit1.h"
#include "icons/IconCommand.h"
#include "icons/IconPositionsKey.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace vevove {

namespace {

struct IconPosition {
    std::string name;
    std::array<std::uint8_t, kIconPositionSize> point{};
};

// The list view reports at most 254 bytes of text; a shell that says
// otherwise is held to the text area.
std::uint32_t TextLength(std::int64_t reported) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(reported, 0, kItemTextCapacity - 1));
}

// Replaces the saved layout. Results are not examined: a key that could not
// be deleted has its values replaced one by one, one that cannot be created
// gets nothing.
void StoreIconPositions(Platform& os, const std::vector<IconPosition>& icons) {
    os.regDeleteKey(kHkeyCurrentUser, kIconPositionsKey);
    RegistryKey key = 0;
    if (os.regCreateKeyEx(kHkeyCurrentUser, kIconPositionsKey, 0, kKeySetValue, key) !=
        kErrorSuccess) {
        return;
    }
    const OpenRegistryKey open(os, key);
    for (const IconPosition& icon : icons) {
        os.regSetValueEx(key, icon.name, kRegBinary, icon.point.data(), kIconPositionSize);
    }
}

} // namespace

void TForm1::Button4Click() {
    SaveDesktopItemPositions();
}

void TForm1::SaveDesktopItemPositions() {
    RunIconCommand(
        os_, remoteBuffer_,
        [this](WindowHandle listView, RemoteAddress block, const ListViewLayout& layout) {
            SaveListItemPosition(listView, block, layout);
        });
}

// Every icon is read before the key is touched, so a failure on the way
// leaves the layout saved before as it was. Later icons overwrite earlier
// ones of the same name, as the registry compares names without case.
void TForm1::SaveListItemPosition(WindowHandle listView, RemoteAddress block,
                                  const ListViewLayout& layout) {
    const std::int64_t count = os_.sendMessage(listView, kLvmGetItemCount, 0, 0);
    const std::vector<std::uint8_t> record = ItemTextRecord(layout, block);
    WriteRemote(os_, remoteBuffer_, record.data(), block, layout.itemSize);

    const RemoteAddress textArea = block + layout.itemSize;
    std::vector<IconPosition> icons;
    for (std::int64_t item = 0; item < count; ++item) {
        const std::uint32_t length =
            TextLength(os_.sendMessage(listView, kLvmGetItemTextA, static_cast<std::uint64_t>(item),
                                       static_cast<std::int64_t>(block)));
        std::array<char, kItemTextCapacity> text{};
        ReadRemote(os_, remoteBuffer_, textArea, text.data(), length + 1);
        IconPosition icon;
        icon.name.assign(text.data(), strnlen(text.data(), length));

        WriteRemote(os_, remoteBuffer_, icon.point.data(), textArea, kIconPositionSize);
        os_.sendMessage(listView, kLvmGetItemPosition, static_cast<std::uint64_t>(item),
                        static_cast<std::int64_t>(textArea));
        ReadRemote(os_, remoteBuffer_, textArea, icon.point.data(), kIconPositionSize);
        icons.push_back(std::move(icon));
    }
    StoreIconPositions(os_, icons);
}

} // namespace vevove
