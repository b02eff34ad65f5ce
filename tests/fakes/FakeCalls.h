// The log of the platform calls the logic made, and failures a test injects
// into them. Calls are named as the Win32 functions they stand for
// ("CreateFileA", "ReadFile", ...).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vevove::fake {

class FakeCalls {
  public:
    // Names the calls that can fail; injecting into any other name is a
    // mistake in the test and throws std::invalid_argument.
    void declare(const std::vector<std::string>& names);

    // The next call of that name fails with `code` as its last-error code,
    // or the one after `skipped` more calls have succeeded.
    void failNext(const std::string& call, std::uint32_t code, int skipped = 0);
    // Every call of that name fails with `code`, until cleared.
    void failAlways(const std::string& call, std::uint32_t code);
    void clearFailures();

    // Records a call that can fail; true when it is to fail, with its code in
    // `code`.
    bool record(const std::string& call, std::uint32_t& code);
    // Records a call that cannot fail (GetLastError, FindClose, ...).
    void note(const std::string& call) { log_.push_back(call); }

    const std::vector<std::string>& log() const { return log_; }
    int count(const std::string& call) const;
    void clearLog() { log_.clear(); }

  private:
    struct Failure {
        std::uint32_t code = 0;
        bool always = false;
        int skipped = 0;
    };

    void checkDeclared(const std::string& call) const;

    std::set<std::string> declared_;
    std::map<std::string, Failure> failures_;
    std::vector<std::string> log_;
};

} // namespace vevove::fake
