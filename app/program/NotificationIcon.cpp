#include "NotificationIcon.h"

#include "resource.h"

#include <shellapi.h>

#include <algorithm>

namespace vevove {

namespace {

struct DestroyMenuOf {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, DestroyMenuOf>;

} // namespace

// A submenu appended to its parent is destroyed with it.
void AppendMenuEntries(HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        UINT flags =
            (entry.enabled ? MF_ENABLED : MF_GRAYED) | (entry.checked ? MF_CHECKED : MF_UNCHECKED);
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuEntry::Kind::Submenu: {
            HMENU submenu = CreatePopupMenu();
            AppendMenuEntries(submenu, entry.entries);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                        entry.text.c_str());
            break;
        }
        case MenuEntry::Kind::Item:
            AppendMenuA(menu, flags | MF_STRING, entry.id, entry.text.c_str());
            if (entry.isDefault) {
                SetMenuDefaultItem(menu, entry.id, FALSE);
            }
            break;
        }
    }
}

NotificationIcon::NotificationIcon(HWND owner, UINT callbackMessage, const std::u16string& tip)
    : owner_(owner), callbackMessage_(callbackMessage), tip_(tip) {
    Add();
}

NotificationIcon::~NotificationIcon() {
    NOTIFYICONDATAW data = Data(0);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW NotificationIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = IDN_NOTIFICATION_ICON;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_.get();
    const std::size_t length = std::min(tip_.size(), std::size(data.szTip) - 1);
    std::copy_n(tip_.begin(), length, data.szTip);
    return data;
}

// The small icon at the scaling in force: the size the notification area
// draws.
bool NotificationIcon::Add() {
    icon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VEVOVE), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {
        return false;
    }
    data.uVersion = NOTIFYICON_VERSION_4;
    return Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE;
}

void NotificationIcon::AddAgain() {
    NOTIFYICONDATAW data = Data(0);
    Shell_NotifyIconW(NIM_DELETE, &data);
    Add();
}

void NotificationIcon::SetTip(const std::u16string& tip) {
    if (tip == tip_) {
        return;
    }
    tip_ = tip;
    NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

// The owner comes to the foreground first, and gets a message after the
// menu, so that the menu closes when the user clicks elsewhere.
unsigned NotificationIcon::ChooseFromMenu(const std::vector<MenuEntry>& entries, POINT at) const {
    const OwnedMenu menu(CreatePopupMenu());
    AppendMenuEntries(menu.get(), entries);
    SetForegroundWindow(owner_);
    const UINT alignment =
        GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const BOOL chosen = TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | alignment,
                                         at.x, at.y, owner_, nullptr);
    PostMessageW(owner_, WM_NULL, 0, 0);
    return static_cast<unsigned>(chosen);
}

} // namespace vevove
