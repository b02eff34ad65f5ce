#include "DesktopWorker.h"

#include "ComApartment.h"
#include "DesktopWays.h"
#include "ShellMessageFilter.h"
#include "SystemFailureText.h"
#include "Trace.h"
#include "Win32Platform.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace vevove {

namespace {

// A desktop that works answers in well under a millisecond per icon, and a
// shell busy for a moment still answers within two seconds; a user waits at
// most that long before the box says why.
constexpr ULONGLONG kAnswerTimeoutMs = 2000;
// Looks a second apart are one burst: the desktop stays open between them.
constexpr DWORD kBurstMs = 3000;

struct QueuedJob {
    JobId id = 0;
    DesktopJob job;
    ULONGLONG postedAt = 0;
    bool givenUp = false;
};

} // namespace

struct DesktopWorker::Shared {
    std::mutex lock;
    std::condition_variable posted;
    std::deque<QueuedJob> queue;
    JobId nextId = 1;
    JobId running = 0;
    ULONGLONG runningSince = 0;
    std::atomic<bool> runningGivenUp{false};
    std::atomic<ULONGLONG> lastAnswerAt{0};
    bool ending = false;
};

namespace {

// The worker whose thread this is, for the ways' answers.
thread_local DesktopWorker::Shared* t_worker = nullptr;

} // namespace

void ShellAnswered() {
    if (t_worker != nullptr) {
        t_worker->lastAnswerAt = GetTickCount64();
    }
}

bool CommandGivenUp() {
    return t_worker != nullptr && t_worker->runningGivenUp;
}

DesktopWorker::DesktopWorker() : shared_(std::make_shared<Shared>()) {
    auto* reference = new std::shared_ptr<Shared>(shared_);
    HANDLE thread = CreateThread(nullptr, 0, Main, reference, 0, nullptr);
    if (thread == nullptr) {
        const SystemFailure failure = LastSystemFailure();
        delete reference;
        RaiseSystemError(failure);
    }
    thread_ = OwnedHandle(thread);
}

DesktopWorker::~DesktopWorker() {
    Finish(kLongestExitWait);
}

JobId DesktopWorker::Post(DesktopJob job) {
    JobId id = 0;
    {
        const std::lock_guard<std::mutex> held(shared_->lock);
        id = shared_->nextId++;
        shared_->queue.push_back({id, std::move(job), GetTickCount64(), false});
    }
    shared_->posted.notify_one();
    return id;
}

// A job waits for the shell from when it was posted or the shell last
// answered, whichever came later: behind a job whose shell keeps answering,
// nobody is given up.
std::vector<JobId> DesktopWorker::GiveUpOverdue() {
    std::vector<JobId> givenUp;
    const ULONGLONG now = GetTickCount64();
    const std::lock_guard<std::mutex> held(shared_->lock);
    const ULONGLONG answered = shared_->lastAnswerAt;
    const auto overdue = [&](ULONGLONG since) {
        return now - std::max(answered, since) >= kAnswerTimeoutMs;
    };
    if (shared_->running != 0 && !shared_->runningGivenUp && overdue(shared_->runningSince)) {
        shared_->runningGivenUp = true;
        givenUp.push_back(shared_->running);
    }
    for (QueuedJob& job : shared_->queue) {
        if (!job.givenUp && overdue(job.postedAt)) {
            job.givenUp = true;
            givenUp.push_back(job.id);
        }
    }
    for (const JobId id : givenUp) {
        Trace("desktop worker: job " + std::to_string(id) + " given up: no answer for 2 s");
    }
    return givenUp;
}

bool DesktopWorker::Finish(DWORD milliseconds) {
    if (!thread_.valid()) {
        return true;
    }
    {
        const std::lock_guard<std::mutex> held(shared_->lock);
        shared_->ending = true;
    }
    shared_->posted.notify_one();
    if (WaitForSingleObject(thread_.get(), milliseconds) == WAIT_OBJECT_0) {
        thread_ = OwnedHandle(nullptr);
        return true;
    }
    Trace("desktop worker: left waiting for the shell at exit");
    return false;
}

// The thread's own reference keeps what it shares alive after the program has
// stopped waiting for it. What it opens, it closes before its apartment, as
// the shell's objects belong to it.
DWORD WINAPI DesktopWorker::Main(void* parameter) {
    const std::unique_ptr<std::shared_ptr<Shared>> owned(
        static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **owned;
    t_worker = &shared;
    const ComApartment apartment;
    const ShellMessageFilter filter;
    Win32DesktopIcons icons;
    Win32NameMatching names;
    Win32UserRegistry registry;
    Win32Display display;
    Win32Clock clock;
    WorkerDesktop desktop{icons, names, registry, display, clock};
    for (;;) {
        QueuedJob next;
        {
            std::unique_lock<std::mutex> held(shared.lock);
            const bool posted =
                shared.posted.wait_for(held, std::chrono::milliseconds(kBurstMs),
                                       [&] { return !shared.queue.empty() || shared.ending; });
            if (shared.queue.empty()) {
                if (shared.ending) {
                    break;
                }
                if (!posted) {
                    held.unlock();
                    icons.Close();
                }
                continue;
            }
            next = std::move(shared.queue.front());
            shared.queue.pop_front();
            if (next.givenUp) {
                continue;
            }
            shared.running = next.id;
            shared.runningSince = GetTickCount64();
            shared.runningGivenUp = false;
        }
        next.job(desktop, next.id);
        const std::lock_guard<std::mutex> held(shared.lock);
        shared.running = 0;
    }
    icons.Close();
    return 0;
}

} // namespace vevove
