#include "ShellNames.h"

#include "Utf8.h"

#include <algorithm>

namespace {

struct Names {
    std::wstring label;
    std::wstring fileName;
};

std::vector<Names> g_names;

bool InTable(int item) {
    return item >= 0 && static_cast<std::size_t>(item) < g_names.size();
}

} // namespace

// The name is in the table before its item is inserted, because the list view
// may ask for it while inserting.
void InsertNamedItems(HWND listView, const std::vector<DesktopIcon>& icons, int firstNumber) {
    for (std::size_t index = 0; index < icons.size(); ++index) {
        g_names.push_back({WideFromUtf8(icons[index].text), WideFromUtf8(icons[index].fileName)});
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(g_names.size() - 1);
        item.pszText = LPSTR_TEXTCALLBACKW;
        item.lParam = firstNumber + static_cast<LPARAM>(index);
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

// Copies at most cchTextMax - 1 characters and a terminating zero into the
// asker's buffer, as Explorer's view does; a longer name comes back cut.
void AnswerNameRequest(NMLVDISPINFOW& request) {
    LVITEMW& item = request.item;
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0 ||
        !InTable(item.iItem)) {
        return;
    }
    const std::wstring& name = g_names[static_cast<std::size_t>(item.iItem)].label;
    const std::size_t length = std::min(name.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    name.copy(item.pszText, length);
    item.pszText[length] = L'\0';
}

// A null text means the edit was cancelled. The list view keeps asking for the
// text of an item renamed so, and redraws it.
bool RenameItem(const NMLVDISPINFOW& edit) {
    if (edit.item.pszText == nullptr || !InTable(edit.item.iItem)) {
        return false;
    }
    g_names[static_cast<std::size_t>(edit.item.iItem)].label = edit.item.pszText;
    return true;
}

bool RemoveNamedItem(HWND listView, int item) {
    if (!InTable(item) || !SendMessageW(listView, LVM_DELETEITEM, item, 0)) {
        return false;
    }
    g_names.erase(g_names.begin() + item);
    return true;
}

std::string NameAsUtf8(int item) {
    return Utf8FromWide(LabelOf(item));
}

std::wstring LabelOf(int item) {
    return InTable(item) ? g_names[static_cast<std::size_t>(item)].label : std::wstring();
}

std::wstring FileNameOf(int item) {
    return InTable(item) ? g_names[static_cast<std::size_t>(item)].fileName : std::wstring();
}
