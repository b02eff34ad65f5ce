// Other programs' windows on Windows.
#pragma once

#include "ShellWindows.h"

namespace vevove {

class Win32ShellWindows final : public ShellWindows {
  public:
    WindowId FindTopLevel(const std::string& className, WindowId after) override;
    WindowId FindChild(WindowId parent, const std::string& className) override;
    std::uint32_t ProcessId(WindowId window) override;
    std::optional<std::int64_t> Send(WindowId window, std::uint32_t message, std::uint64_t wParam,
                                     std::int64_t lParam) override;
    std::int32_t Style(WindowId window) override;
    void SetStyle(WindowId window, std::int32_t style) override;
    std::optional<SystemFailure> SearchKey(const std::u16string& text, std::string& key) override;
};

} // namespace vevove
