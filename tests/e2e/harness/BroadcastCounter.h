// Counts a broadcast message (WM_DISPLAYCHANGE, "TaskbarCreated") that
// reaches a hidden top-level window of the test program, as it reaches every
// top-level window. A broadcast may be a sent message, so it arrives only
// while the test thread pumps; the counter pumps whenever it waits, and lives
// only while the test itself sends no broadcast, so that no sender waits on it.
#pragma once

#include "harness/Wait.h"

#include <windows.h>

#include <functional>

namespace e2e {

class BroadcastCounter {
  public:
    explicit BroadcastCounter(UINT message);
    ~BroadcastCounter();
    BroadcastCounter(const BroadcastCounter&) = delete;
    BroadcastCounter& operator=(const BroadcastCounter&) = delete;

    bool PumpUntil(const std::function<bool()>& condition, Milliseconds timeout);
    void PumpFor(Milliseconds time);
    int count() const { return count_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT message_;
    int count_ = 0;
    HWND window_ = nullptr;
};

} // namespace e2e
