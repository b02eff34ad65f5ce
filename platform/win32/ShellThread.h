// A thread of its own, in its own apartment, for one command's calls into
// the desktop shell, which may never answer. The program's thread waits for
// each of the shell's answers at most about two seconds, handling its own
// messages meanwhile, so that its windows keep painting and answering; a
// call left unanswered longer is left to the thread, which finishes it
// whenever the shell answers, then lets go of what the command held there,
// and ends by itself.
#pragma once

#include "DesktopIcons.h"
#include "OwnedHandle.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace vevove {

// The desktop's icons as the shell thread holds them: created, used and
// destroyed on that thread alone.
using ShellSession = std::unique_ptr<DesktopIconView>;

class ShellThread {
  public:
    ShellThread();
    ~ShellThread();
    ShellThread(const ShellThread&) = delete;
    ShellThread& operator=(const ShellThread&) = delete;

    // Starts the thread; false, with the system's last error, when it cannot.
    bool Start();
    // Runs `call` on the thread with the session it holds, for as long as the
    // shell keeps answering (ShellAnswered). False when it did not answer in
    // time: it goes on there, and the thread runs no
    // other call. What the call writes must belong to the call (captured by
    // value), as nobody may wait for it any more.
    bool Run(std::function<void(ShellSession&)> call);
    // Tells the thread to end once its call (if any) is done, and waits a
    // little for it when it has none.
    void End();
    // True once the thread has ended, having let go of its session.
    bool Ended() const;
    // Waits about two seconds at most for it to end, handling messages
    // meanwhile; true once it has.
    bool AwaitEnd() const;

  private:
    struct Shared;
    static DWORD WINAPI Main(void* parameter);

    std::shared_ptr<Shared> shared_;
    OwnedHandle thread_{nullptr};
    bool stuck_ = false;
};

// Said by a session on the shell thread after each answer of the shell, so
// that a long walk over many icons is not taken for a shell that hangs.
void ShellAnswered();

// Waits until `event` is set or `timeoutMs` has passed, handling the
// messages that reach this thread meanwhile; true when it was set. A quit
// message met is posted again for the loop it belongs to.
bool WaitHandlingMessages(HANDLE event, DWORD timeoutMs);

} // namespace vevove
