#include "ShellThread.h"

#include "ComApartment.h"

#include <objbase.h>

#include <atomic>

namespace vevove {

namespace {

// The answers counted on this thread, when it is a shell thread.
thread_local std::atomic<unsigned>* t_answers = nullptr;

// A desktop that works answers in well under a millisecond per icon, and a
// shell busy for a moment still answers within two seconds; a user waits at
// most that long before the box says why.
constexpr DWORD kAnswerTimeoutMs = 2000;

} // namespace

struct ShellThread::Shared {
    OwnedHandle callReady{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    OwnedHandle callDone{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    // Handed over through the events: written before callReady is set, read
    // after it was waited for.
    std::function<void(ShellSession&)> call;
    std::atomic<bool> ending{false};
    std::atomic<unsigned> answers{0};
    ShellSession session;
};

// The thread's own reference keeps what it shares alive after the program's
// side has given up on it. The session goes before the apartment closes, as
// its interfaces belong to it.
DWORD WINAPI ShellThread::Main(void* parameter) {
    const std::unique_ptr<std::shared_ptr<ShellThread::Shared>> owned(
        static_cast<std::shared_ptr<ShellThread::Shared>*>(parameter));
    ShellThread::Shared& shared = **owned;
    t_answers = &shared.answers;
    const ComApartment apartment;
    for (;;) {
        WaitHandlingMessages(shared.callReady.get(), INFINITE);
        if (shared.ending) {
            break;
        }
        shared.call(shared.session);
        shared.call = nullptr;
        SetEvent(shared.callDone.get());
    }
    shared.session.reset();
    return 0;
}

// Defined here, where Shared is complete.
ShellThread::ShellThread() : shared_(std::make_shared<Shared>()) {}

ShellThread::~ShellThread() {
    End();
}

bool ShellThread::Start() {
    if (!shared_->callReady.valid() || !shared_->callDone.valid()) {
        return false;
    }
    auto* reference = new std::shared_ptr<Shared>(shared_);
    HANDLE thread = CreateThread(nullptr, 0, Main, reference, 0, nullptr);
    if (thread == nullptr) {
        delete reference;
        return false;
    }
    thread_ = OwnedHandle(thread);
    return true;
}

bool ShellThread::Run(std::function<void(ShellSession&)> call) {
    if (stuck_ || !thread_.valid()) {
        return false;
    }
    shared_->call = std::move(call);
    SetEvent(shared_->callReady.get());
    unsigned answers = shared_->answers;
    while (!WaitHandlingMessages(shared_->callDone.get(), kAnswerTimeoutMs)) {
        const unsigned now = shared_->answers;
        if (now == answers) {
            stuck_ = true;
            return false;
        }
        answers = now;
    }
    return true;
}

// Ending lets the session put back what it had switched off, which may call
// the shell once more: that wait is bounded too.
void ShellThread::End() {
    if (!thread_.valid() || shared_->ending.exchange(true)) {
        return;
    }
    SetEvent(shared_->callReady.get());
    if (!stuck_ && !WaitHandlingMessages(thread_.get(), kAnswerTimeoutMs)) {
        stuck_ = true;
    }
}

bool ShellThread::Ended() const {
    return !thread_.valid() || WaitForSingleObject(thread_.get(), 0) == WAIT_OBJECT_0;
}

void ShellAnswered() {
    if (t_answers != nullptr) {
        ++*t_answers;
    }
}

bool ShellThread::AwaitEnd() const {
    return !thread_.valid() || WaitHandlingMessages(thread_.get(), kAnswerTimeoutMs);
}

bool WaitHandlingMessages(HANDLE event, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool quit = false;
    WPARAM quitCode = 0;
    bool signalled = false;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = timeoutMs == INFINITE ? INFINITE
                           : now >= deadline     ? 0
                                                 : static_cast<DWORD>(deadline - now);
        const DWORD woken =
            quit ? WaitForSingleObject(event, left)
                 : MsgWaitForMultipleObjectsEx(1, &event, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken != WAIT_OBJECT_0 + 1 || quit) {
            signalled = woken == WAIT_OBJECT_0;
            break;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = message.wParam;
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (quit) {
        PostQuitMessage(static_cast<int>(quitCode));
    }
    return signalled;
}

} // namespace vevove
