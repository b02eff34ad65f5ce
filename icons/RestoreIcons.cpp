// "Restore Icons": every saved icon back to its position.
#include "app/Unit1.h"
#include "icons/IconCommand.h"
#include "icons/IconPositionsKey.h"

#include <cstring>
#include <string>
#include <vector>

namespace vevove {

namespace {

// Puts the list view's style back as it was read, however the walk ends, so
// that automatic arrangement is never left switched off.
class SavedStyle {
  public:
    SavedStyle(Platform& os, WindowHandle window)
        : os_(os), window_(window), style_(os.getWindowLong(window, kGwlStyle)) {}
    ~SavedStyle() { os_.setWindowLong(window_, kGwlStyle, style_); }
    SavedStyle(const SavedStyle&) = delete;
    SavedStyle& operator=(const SavedStyle&) = delete;

    std::int32_t get() const { return style_; }

  private:
    Platform& os_;
    WindowHandle window_;
    std::int32_t style_;
};

std::int32_t LittleEndian32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
        (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24));
}

} // namespace

void TForm1::Button5Click() {
    RestoreDesktopItemPositions();
}

void TForm1::RestoreDesktopItemPositions() {
    RunIconCommand(
        os_, remoteBuffer_,
        [this](WindowHandle listView, RemoteAddress block, const ListViewLayout& layout) {
            RestoreListItemPosition(listView, block, layout);
        });
}

// Values that are not 8 bytes of REG_BINARY, that do not fit the buffers, or
// whose name no icon bears are skipped. Record and name travel to the block
// in one copy.
void TForm1::RestoreListItemPosition(WindowHandle listView, RemoteAddress block,
                                     const ListViewLayout& layout) {
    const SavedStyle style(os_, listView);
    if ((style.get() & kLvsAutoArrange) != 0) {
        os_.setWindowLong(listView, kGwlStyle, style.get() & ~kLvsAutoArrange);
    }
    RegistryKey key = 0;
    if (os_.regOpenKeyEx(kHkeyCurrentUser, kIconPositionsKey, 0, kKeyQueryValue, key) !=
        kErrorSuccess) {
        return;
    }
    const OpenRegistryKey open(os_, key);
    std::vector<std::uint8_t> area(layout.findSize + kFindNameArea, 0);
    for (std::uint32_t index = 0;; ++index) {
        std::string name;
        std::uint32_t nameLength = kValueNameCapacity;
        std::uint32_t type = 0;
        std::uint8_t point[kIconPositionSize] = {};
        std::uint32_t pointSize = kIconPositionSize;
        const std::int32_t result =
            os_.regEnumValue(key, index, name, nameLength, type, point, pointSize);
        if (result == kErrorMoreData) {
            continue;
        }
        if (result != kErrorSuccess) {
            break;
        }
        if (type != kRegBinary || pointSize != kIconPositionSize ||
            name.size() >= kValueNameCapacity) {
            continue;
        }
        PutFindRecord(layout, block, area.data());
        std::memcpy(&area[layout.findSize], name.c_str(), name.size() + 1);
        WriteRemote(os_, remoteBuffer_, area.data(), block,
                    layout.findSize + static_cast<std::uint32_t>(name.size()) + 1);
        const std::int64_t item =
            os_.sendMessage(listView, kLvmFindItemA, static_cast<std::uint64_t>(-1),
                            static_cast<std::int64_t>(block));
        if (item < 0) {
            continue;
        }
        os_.sendMessage(listView, kLvmSetItemPosition, static_cast<std::uint64_t>(item),
                        PackedPosition(LittleEndian32(point), LittleEndian32(point + 4)));
    }
}

} // namespace vevove
