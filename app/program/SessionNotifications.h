// The session's connections and disconnections (a remote desktop, a switch
// of user at the console) as WM_WTSSESSION_CHANGE to a window, for as long as
// the owner lives. The library comes from the system folder, and where it is
// missing the window gets none.
#pragma once

#include <windows.h>

namespace vevove {

class SessionNotifications {
  public:
    explicit SessionNotifications(HWND window);
    ~SessionNotifications();
    SessionNotifications(const SessionNotifications&) = delete;
    SessionNotifications& operator=(const SessionNotifications&) = delete;

  private:
    HMODULE library_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace vevove
