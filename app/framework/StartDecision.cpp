#include "StartDecision.h"

namespace vevove {

StartDecision DecideStart(const StartFindings& findings) {
    using Claim = StartFindings::Claim;
    if (findings.claim == Claim::Made) {
        return StartDecision::Claim;
    }
    if (findings.windowFound && findings.answered) {
        return StartDecision::HandOver;
    }
    if (!findings.timeUp) {
        return StartDecision::LookAgain;
    }
    return findings.claim == Claim::Refused ? StartDecision::HandOver : StartDecision::NoAnswer;
}

} // namespace vevove
