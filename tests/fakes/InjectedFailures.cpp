#include "InjectedFailures.h"

namespace vevove::fake {

std::string FakeSystemText(std::uint32_t code) {
    switch (code) {
    case kErrorFileNotFound:
        return "Das System kann die angegebene Datei nicht finden";
    case kErrorAccessDenied:
        return "Zugriff verweigert";
    case kErrorInvalidHandle:
        return "Das Handle ist ung\xFCltig";
    case kErrorDiskFull:
        return "Auf dem Datentr\xE4ger ist nicht gen\xFCgend Speicherplatz vorhanden";
    case kErrorPartialCopy:
        return "Nur ein Teil der Anforderung wurde abgeschlossen";
    default:
        return {};
    }
}

void InjectedFailures::FailNext(const std::string& operation, std::uint32_t code, int skipped) {
    injections_[operation] = Injection{code, skipped, false, false};
}

void InjectedFailures::FailAlways(const std::string& operation, std::uint32_t code, int skipped) {
    injections_[operation] = Injection{code, skipped, true, false};
}

void InjectedFailures::Clear() {
    injections_.clear();
}

std::optional<SystemFailure> InjectedFailures::Take(const std::string& operation) {
    const auto found = injections_.find(operation);
    if (found == injections_.end()) {
        return std::nullopt;
    }
    Injection& injection = found->second;
    if (injection.fired && !injection.always) {
        return std::nullopt;
    }
    if (injection.skipped > 0) {
        --injection.skipped;
        return std::nullopt;
    }
    injection.fired = true;
    return SystemFailure{injection.code, FakeSystemText(injection.code)};
}

bool InjectedFailures::Fired(const std::string& operation) const {
    const auto found = injections_.find(operation);
    return found != injections_.end() && found->second.fired;
}

} // namespace vevove::fake
