#include "DesktopWorker.h"

#include "ComApartment.h"
#include "DesktopWays.h"
#include "ShellMessageFilter.h"
#include "SystemFailureText.h"
#include "Trace.h"
#include "Win32Platform.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <optional>
#include <utility>

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

// The system's own lock and condition: the C++ library's would bring a
// threads library and its errors into the program.
class Held {
  public:
    explicit Held(SRWLOCK& lock) : lock_(&lock) { AcquireSRWLockExclusive(lock_); }
    ~Held() { Release(); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    // Waits, the lock let go meanwhile, until woken or the time is up.
    void WaitFor(CONDITION_VARIABLE& condition, DWORD milliseconds) {
        SleepConditionVariableSRW(&condition, lock_, milliseconds, 0);
    }
    // Lets go before the end of the scope; the end then does nothing.
    void Release() {
        if (lock_ != nullptr) {
            ReleaseSRWLockExclusive(std::exchange(lock_, nullptr));
        }
    }

  private:
    SRWLOCK* lock_;
};

} // namespace

struct DesktopWorker::Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE posted = CONDITION_VARIABLE_INIT;
    std::deque<QueuedJob> queue;
    JobId nextId = 1;
    JobId running = 0;
    ULONGLONG runningSince = 0;
    std::atomic<bool> runningGivenUp{false};
    std::atomic<ULONGLONG> lastAnswerAt{0};
    bool ending = false;
};

namespace {

// The worker whose thread this is, for the ways' answers, in a slot of the
// system's own thread-local storage.
const DWORD kWorkerSlot = TlsAlloc();

DesktopWorker::Shared* ThisThreadsWorker() {
    return static_cast<DesktopWorker::Shared*>(TlsGetValue(kWorkerSlot));
}

} // namespace

void ShellAnswered() {
    if (DesktopWorker::Shared* worker = ThisThreadsWorker()) {
        worker->lastAnswerAt = GetTickCount64();
    }
}

bool CommandGivenUp() {
    const DesktopWorker::Shared* worker = ThisThreadsWorker();
    return worker != nullptr && worker->runningGivenUp;
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
        const Held held(shared_->lock);
        id = shared_->nextId++;
        shared_->queue.push_back({id, std::move(job), GetTickCount64(), false});
    }
    WakeConditionVariable(&shared_->posted);
    return id;
}

// A job waits for the shell from when it was posted or the shell last
// answered, whichever came later: behind a job whose shell keeps answering,
// nobody is given up.
std::vector<JobId> DesktopWorker::GiveUpOverdue() {
    std::vector<JobId> givenUp;
    const ULONGLONG now = GetTickCount64();
    const Held held(shared_->lock);
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
        const Held held(shared_->lock);
        shared_->ending = true;
    }
    WakeConditionVariable(&shared_->posted);
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
    TlsSetValue(kWorkerSlot, &shared);
    // Entered with the first job, so that a start that has none yet does not
    // wait for COM meanwhile.
    std::optional<ComApartment> apartment;
    std::optional<ShellMessageFilter> filter;
    Win32DesktopIcons icons;
    Win32NameMatching names;
    Win32UserRegistry registry;
    Win32Display display;
    Win32Clock clock;
    WorkerDesktop desktop{icons, names, registry, display, clock};
    for (;;) {
        QueuedJob next;
        {
            Held held(shared.lock);
            const ULONGLONG idleSince = GetTickCount64();
            ULONGLONG idle = 0;
            while (shared.queue.empty() && !shared.ending && idle < kBurstMs) {
                held.WaitFor(shared.posted, static_cast<DWORD>(kBurstMs - idle));
                idle = GetTickCount64() - idleSince;
            }
            if (shared.queue.empty()) {
                if (shared.ending) {
                    break;
                }
                held.Release();
                icons.Close();
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
        if (!apartment) {
            apartment.emplace();
            filter.emplace();
        }
        next.job(desktop, next.id);
        const Held held(shared.lock);
        shared.running = 0;
    }
    icons.Close();
    return 0;
}

} // namespace vevove
