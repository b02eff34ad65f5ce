// The program's own controls as the logic sees them: a text and a check
// state per window handle, with every change kept in order.
#pragma once

#include "platform/Platform.h"

#include <map>
#include <string>
#include <vector>

namespace vevove::fake {

class FakeWindows {
  public:
    WindowHandle create(const std::string& text = "", bool checked = false);
    // DestroyWindow: the handle is invalid from then on.
    void destroy(WindowHandle window) { windows_.erase(window); }

    // For a window never created these fail, as GetWindowTextA and
    // SetWindowTextA fail with ERROR_INVALID_WINDOW_HANDLE; check states of an
    // unknown window read as unchecked.
    bool getText(WindowHandle window, std::string& text) const;
    bool setText(WindowHandle window, const std::string& text);
    bool checked(WindowHandle window) const;
    void setChecked(WindowHandle window, bool checked);

    // For tests: the current text, and every text and check state set since
    // the window was created.
    const std::string& text(WindowHandle window) const { return windows_.at(window).text; }
    const std::vector<std::string>& textsSet(WindowHandle window) const {
        return windows_.at(window).textsSet;
    }
    const std::vector<bool>& checksSet(WindowHandle window) const {
        return windows_.at(window).checksSet;
    }

  private:
    struct Window {
        std::string text;
        bool checked = false;
        std::vector<std::string> textsSet;
        std::vector<bool> checksSet;
    };

    std::map<WindowHandle, Window> windows_;
    WindowHandle next_ = 0x20A4E;
};

} // namespace vevove::fake
