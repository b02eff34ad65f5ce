// The main window's work at the desktop: the icon commands and the automatic
// restore's looks and restores, each a job of the desktop worker whose result
// comes back to the window as a posted message. A job that waits about two
// seconds for the shell without an answer ends for the window then: a
// command with the box that the desktop does not answer. While jobs are
// waited for, the window's IDT_DESKTOP_WATCH_TIMER asks for those.
#pragma once

#include "AutomaticRestore.h"
#include "DesktopWorker.h"
#include "IconCommands.h"

#include <windows.h>

#include <exception>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vevove {

// Posted to the window with the result of a job.
constexpr UINT kDesktopJobDone = WM_APP + 1;

struct DesktopJobResult {
    enum class Kind { Command, Look, Restore };
    Kind kind = Kind::Command;
    std::exception_ptr error; // what a command raised
    DesktopLook look;
    bool restored = false;
    std::set<std::u16string> placed;
};

class DesktopJobs {
  public:
    DesktopJobs(DesktopWorker& worker, HWND window) : worker_(worker), window_(window) {}

    void PostCommand(std::function<bool(Desktop&)> command);
    void PostLook();
    // The icons whose labels `placed` holds stay where they are.
    void PostRestore(std::set<std::u16string> placed);

    // The result that the message carries; none for a job given up before.
    std::unique_ptr<DesktopJobResult> TakeResult(LPARAM message);
    // The results of the jobs that have waited too long, now given up.
    std::vector<DesktopJobResult> GiveUpOverdue();
    // Whether a command of the user's is among the jobs waited for.
    bool CommandsWaiting() const;

  private:
    void Post(DesktopJobResult::Kind kind, std::function<void(Desktop&, DesktopJobResult&)> work);
    // The watch timer runs while any job is waited for.
    void Watch() const;

    DesktopWorker& worker_;
    HWND window_;
    std::map<JobId, DesktopJobResult::Kind> waiting_;
};

} // namespace vevove
