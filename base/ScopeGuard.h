// Runs a piece of clean-up however the scope that made it is left, unless it
// was dismissed first.
#pragma once

#include <utility>

namespace vevove {

template <typename CleanUp> class ScopeGuard {
  public:
    explicit ScopeGuard(CleanUp cleanUp) : cleanUp_(std::move(cleanUp)) {}
    ~ScopeGuard() {
        if (active_) {
            cleanUp_();
        }
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

    void Dismiss() { active_ = false; }

  private:
    CleanUp cleanUp_;
    bool active_ = true;
};

} // namespace vevove
