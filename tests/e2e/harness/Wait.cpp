#include "harness/Wait.h"

#include <thread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(Milliseconds(20));
    }
    return true;
}

} // namespace e2e
