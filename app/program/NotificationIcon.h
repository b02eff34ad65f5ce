// Vevove's icon in the notification area, there for as long as the object
// lives, and the popup menu it opens.
#pragma once

#include "NotificationMenu.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace vevove {

// Appends the entries to a menu of the system's, submenus and all: the
// icon's menu, and the system menu's "Earlier layouts".
void AppendMenuEntries(HMENU menu, const std::vector<MenuEntry>& entries);

class NotificationIcon {
  public:
    // The room of the shell's tip, with its end mark.
    static constexpr std::size_t kTipCapacity = 128;

    // Adds the icon; the shell sends `callbackMessage` to `owner` for the
    // icon's mouse and keyboard events (NOTIFYICON_VERSION_4). A shell that
    // is not there yet gets the icon when it says it has started.
    NotificationIcon(HWND owner, UINT callbackMessage, const std::u16string& tip);
    ~NotificationIcon();
    NotificationIcon(const NotificationIcon&) = delete;
    NotificationIcon& operator=(const NotificationIcon&) = delete;

    // After the shell has restarted ("TaskbarCreated"): the icon again, at
    // the size the shell asks for now.
    void AddAgain();
    void SetTip(const std::u16string& tip);

    // Opens the menu at a point of the screen and returns the command chosen,
    // 0 when the user closed it without a choice.
    unsigned ChooseFromMenu(const std::vector<MenuEntry>& entries, POINT at) const;

  private:
    struct DestroyIconOf {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconOf>;

    bool Add();
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND owner_;
    UINT callbackMessage_;
    std::u16string tip_;
    OwnedIcon icon_;
};

} // namespace vevove
