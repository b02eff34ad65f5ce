#include "DesktopJobs.h"

#include "DesktopCalls.h"
#include "resource.h"

#include <utility>

namespace vevove {

namespace {

// How often the window asks whether a job has waited too long for the shell.
constexpr UINT kWatchIntervalMs = 250;

struct PostedResult {
    JobId id = 0;
    DesktopJobResult result;
};

std::exception_ptr NotAnswering() {
    try {
        Check(DesktopFailure{DesktopFailure::Kind::NotAnswering, {}});
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

} // namespace

// The result travels in the message; a window gone meanwhile takes none, and
// the result goes with the job.
void DesktopJobs::Post(DesktopJobResult::Kind kind,
                       std::function<void(Desktop&, DesktopJobResult&)> work) {
    HWND window = window_;
    const JobId id = worker_.Post([window, kind, work = std::move(work)](WorkerDesktop& worker,
                                                                         JobId job) {
        auto posted = std::make_unique<PostedResult>();
        posted->id = job;
        posted->result.kind = kind;
        Desktop desktop{worker.icons, worker.names, worker.registry, worker.display, worker.clock};
        work(desktop, posted->result);
        if (PostMessageW(window, kDesktopJobDone, 0, reinterpret_cast<LPARAM>(posted.get()))) {
            static_cast<void>(posted.release()); // the window owns it now
        }
    });
    waiting_.emplace(id, kind);
    Watch();
}

void DesktopJobs::Watch() const {
    if (waiting_.empty()) {
        KillTimer(window_, IDT_DESKTOP_WATCH_TIMER);
    } else {
        SetTimer(window_, IDT_DESKTOP_WATCH_TIMER, kWatchIntervalMs, nullptr);
    }
}

void DesktopJobs::PostCommand(std::function<bool(Desktop&)> command) {
    Post(DesktopJobResult::Kind::Command,
         [command = std::move(command)](Desktop& desktop, DesktopJobResult& result) {
             try {
                 command(desktop);
             } catch (...) {
                 result.error = std::current_exception();
             }
         });
}

void DesktopJobs::PostLook() {
    Post(DesktopJobResult::Kind::Look, [](Desktop& desktop, DesktopJobResult& result) {
        DesktopRead read;
        result.look.answered = !desktop.icons.Read({true, false}, read);
        result.look.shellReady = read.shellReady;
        result.look.icons = std::move(read.icons);
    });
}

// Fails quietly: nobody asked for this restore, and the rules try again.
void DesktopJobs::PostRestore(std::set<std::u16string> placed) {
    Post(DesktopJobResult::Kind::Restore,
         [placed](Desktop& desktop, DesktopJobResult& result) mutable {
             try {
                 result.restored = RestoreIconsNotYetPlaced(desktop, placed);
                 result.placed = std::move(placed);
             } catch (const std::exception&) {
                 result.restored = false;
             }
         });
}

std::unique_ptr<DesktopJobResult> DesktopJobs::TakeResult(LPARAM message) {
    const std::unique_ptr<PostedResult> posted(reinterpret_cast<PostedResult*>(message));
    if (waiting_.erase(posted->id) == 0) {
        return nullptr;
    }
    Watch();
    return std::make_unique<DesktopJobResult>(std::move(posted->result));
}

bool DesktopJobs::CommandsWaiting() const {
    for (const auto& [id, kind] : waiting_) {
        if (kind == DesktopJobResult::Kind::Command) {
            return true;
        }
    }
    return false;
}

std::vector<DesktopJobResult> DesktopJobs::GiveUpOverdue() {
    std::vector<DesktopJobResult> results;
    for (const JobId id : worker_.GiveUpOverdue()) {
        const auto found = waiting_.find(id);
        if (found == waiting_.end()) {
            continue;
        }
        DesktopJobResult result;
        result.kind = found->second;
        if (result.kind == DesktopJobResult::Kind::Command) {
            result.error = NotAnswering();
        }
        results.push_back(std::move(result));
        waiting_.erase(found);
    }
    Watch();
    return results;
}

} // namespace vevove
