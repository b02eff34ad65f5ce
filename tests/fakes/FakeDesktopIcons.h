// The desktop's icons as plain state: each icon's label, file name and
// position, the view's automatic arrangement (with it on, a move leaves the
// icons where the arrangement keeps them), whether the desktop answers, and
// whether it knows file names (its folder view does, its list view does
// not). A view that meets a desktop not answering says so from then on, and
// what it had switched off comes back by itself, as the Win32 side does once
// the desktop answers. Names match as FoldedCase folds them, with "\u00DF"
// taken for "ss", as Windows sorts.
// Failures: "Open", "Icons", "FileNames", "AutoArrange", "SetAutoArrange",
// "Move", "MatchKey"; and "Answer": the desktop stops answering at that call
// of a view.
#pragma once

#include "DesktopIcons.h"
#include "InjectedFailures.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vevove::fake {

class FakeDesktopIcons : public DesktopIcons {
  public:
    struct Icon {
        Icon(std::u16string label, std::int32_t x, std::int32_t y, std::u16string fileName = {})
            : label(std::move(label)), x(x), y(y), fileName(std::move(fileName)) {}
        std::u16string label;
        std::int32_t x;
        std::int32_t y;
        std::u16string fileName;
    };

    std::vector<Icon> icons;
    bool present = true; // a desktop whose icons can be reached
    bool knowsFileNames = true;
    bool widerShell = false;
    bool autoArrange = false;
    bool answering = true;
    int openViews = 0;
    // What happens meanwhile when a command opens the desktop, as a window
    // handles messages while it waits for the shell.
    std::function<void()> whileOpening;
    InjectedFailures failures;

    DesktopResult Open(std::unique_ptr<DesktopIconView>& view) override;
    std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) override;
};

} // namespace vevove::fake
