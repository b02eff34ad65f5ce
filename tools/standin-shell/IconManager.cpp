#include "IconManager.h"

#include <commctrl.h>

#include <map>

namespace {

bool g_running = false;
std::map<int, POINT> g_positions;

POINT ListViewPosition(HWND listView, int item) {
    POINT position = {};
    SendMessageW(listView, LVM_GETITEMPOSITION, item, reinterpret_cast<LPARAM>(&position));
    return position;
}

} // namespace

void StartIconManager(HWND listView) {
    g_running = true;
    RecordAllPositions(listView);
}

bool IconManagerRunning() {
    return g_running;
}

int ItemOfIcon(HWND listView, int id) {
    LVFINDINFOW search = {};
    search.flags = LVFI_PARAM;
    search.lParam = id;
    return static_cast<int>(SendMessageW(listView, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(&search)));
}

int IconOfItem(HWND listView, int item) {
    LVITEMW record = {};
    record.mask = LVIF_PARAM;
    record.iItem = item;
    if (!SendMessageW(listView, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record))) {
        return -1;
    }
    return static_cast<int>(record.lParam);
}

// The list view may place the item elsewhere (with automatic arrangement
// on), so the record takes the place it shows.
bool MoveIcon(HWND listView, int item, POINT position) {
    const int id = IconOfItem(listView, item);
    if (id < 0) {
        return false;
    }
    SendMessageW(listView, LVM_SETITEMPOSITION32, item, reinterpret_cast<LPARAM>(&position));
    if (g_running) {
        g_positions[id] = ListViewPosition(listView, item);
    }
    return true;
}

bool RecordedPosition(int id, POINT& position) {
    const auto found = g_positions.find(id);
    if (found == g_positions.end()) {
        return false;
    }
    position = found->second;
    return true;
}

void RecordAllPositions(HWND listView) {
    const int count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        g_positions[IconOfItem(listView, item)] = ListViewPosition(listView, item);
    }
}

bool RefreshIcons(HWND listView) {
    if (!g_running) {
        return false;
    }
    const int count = static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        POINT position = {};
        if (RecordedPosition(IconOfItem(listView, item), position)) {
            SendMessageW(listView, LVM_SETITEMPOSITION32, item,
                         reinterpret_cast<LPARAM>(&position));
        }
    }
    return true;
}
