// The desktop's icons on Windows: through the shell's folder view where it
// serves, otherwise through the list view in the shell's process, decided
// once per command; every call on a thread of the command's own, waited for
// at most about two seconds.
#pragma once

#include "DesktopIcons.h"
#include "ShellThread.h"

#include <memory>

namespace vevove {

class Win32DesktopIcons final : public DesktopIcons {
  public:
    DesktopResult Open(std::unique_ptr<DesktopIconView>& view) override;
    std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) override;

  private:
    friend class ThreadedIconView;

    bool viewOpen_ = false;
    // The thread of a command that the desktop left unanswered, until it
    // ends: no other command starts meanwhile.
    std::shared_ptr<ShellThread> leftBehind_;
};

} // namespace vevove
