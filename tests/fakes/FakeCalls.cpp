#include "tests/fakes/FakeCalls.h"

#include <algorithm>
#include <stdexcept>

namespace vevove::fake {

void FakeCalls::declare(const std::vector<std::string>& names) {
    declared_.insert(names.begin(), names.end());
}

void FakeCalls::checkDeclared(const std::string& call) const {
    if (declared_.count(call) == 0) {
        throw std::invalid_argument("no platform call named " + call);
    }
}

void FakeCalls::failNext(const std::string& call, std::uint32_t code, int skipped) {
    checkDeclared(call);
    failures_[call] = Failure{code, false, skipped};
}

void FakeCalls::failAlways(const std::string& call, std::uint32_t code) {
    checkDeclared(call);
    failures_[call] = Failure{code, true, 0};
}

void FakeCalls::clearFailures() {
    failures_.clear();
}

bool FakeCalls::record(const std::string& call, std::uint32_t& code) {
    checkDeclared(call);
    log_.push_back(call);
    const auto failure = failures_.find(call);
    if (failure == failures_.end()) {
        return false;
    }
    if (failure->second.skipped > 0) {
        --failure->second.skipped;
        return false;
    }
    code = failure->second.code;
    if (!failure->second.always) {
        failures_.erase(failure);
    }
    return true;
}

int FakeCalls::count(const std::string& call) const {
    return static_cast<int>(std::count(log_.begin(), log_.end(), call));
}

} // namespace vevove::fake
