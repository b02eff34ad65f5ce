// The desktop's icons as plain state: each icon's label, file name and
// position, the view's automatic arrangement, whether the desktop answers,
// whether its shell is ready, and whether it knows file names (its folder
// view does, its list view does not). A desktop that stops answering says so
// until a test makes it answer again. Placing moves the icons whatever the
// arrangement, which stays as it was, as the Win32 side switches it off and
// back.
// Failures: "Read", "Place"; and "Answer": the desktop stops answering at
// that call.
#pragma once

#include "DesktopIcons.h"
#include "InjectedFailures.h"
#include "NameMatching.h"

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
    bool shellReady = true;
    // The icon whose position the view does not give, if any.
    int unreadablePosition = -1;
    // Places that the shell refuses as restarted since the last read; the
    // icons then stand in reverse order, as a new shell may list them.
    int restartsAtPlace = 0;
    InjectedFailures failures;

    DesktopResult Read(IconParts parts, DesktopRead& read) override;
    DesktopResult Place(const std::vector<IconMove>& moves) override;

  private:
    DesktopResult Refused(const char* operation);
};

// Names match as FoldedCase folds them, with "\u00DF" taken for "ss", as
// Windows sorts. Failure: "MatchKey".
class FakeNameMatching : public NameMatching {
  public:
    InjectedFailures failures;

    std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) override;
};

} // namespace vevove::fake
