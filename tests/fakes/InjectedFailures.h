// Failures a test injects into the fakes' operations. Each fake asks before it
// does an operation whether it is to fail; a test asks afterwards whether the
// failure it injected fired, so that a case whose failure never came cannot
// pass unnoticed.
#pragma once

#include "Errors.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vevove::fake {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorDiskFull = 112;
constexpr std::uint32_t kErrorPartialCopy = 299;

// The system's text for a code, as the fakes report it.
std::string FakeSystemText(std::uint32_t code);

class InjectedFailures {
  public:
    // The next call of `operation` fails with `code`, or the one after
    // `skipped` more calls have succeeded.
    void FailNext(const std::string& operation, std::uint32_t code, int skipped = 0);
    // Every call of `operation` fails with `code` until Clear(), after
    // `skipped` calls have succeeded.
    void FailAlways(const std::string& operation, std::uint32_t code, int skipped = 0);
    void Clear();

    // Asked by a fake at each call of `operation`: the failure to report, if
    // one is due now.
    std::optional<SystemFailure> Take(const std::string& operation);
    // True once a failure injected into `operation` has been reported.
    bool Fired(const std::string& operation) const;

  private:
    struct Injection {
        std::uint32_t code = 0;
        int skipped = 0;
        bool always = false;
        bool fired = false;
    };
    std::map<std::string, Injection> injections_;
};

} // namespace vevove::fake
