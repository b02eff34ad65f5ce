// What a start of the window program does, from what it finds: the session's
// claim, the running program's window, and whether that window answered.
#pragma once

namespace vevove {

struct StartFindings {
    enum class Claim {
        Made,    // this start holds the claim now
        Held,    // another start holds it
        Refused, // one holds it that this start may not open: one run as
                 // administrator while this one is not
        Failed,  // the system could not make it
    };
    Claim claim = Claim::Failed;
    bool windowFound = false; // the running program's window
    bool answered = false;    // it was asked to come to the front, and answered
    bool timeUp = false;      // the running program has had its time to build its window
};

enum class StartDecision {
    Claim,     // this start is the session's window program
    HandOver,  // the running one has come to the front: end with 0
    LookAgain, // the running one is still building its window
    NoAnswer,  // one runs, but did not answer in time: end with 1
};

// A claim refused counts as a Vevove that runs: whether or not its window
// answers, this start hands over to it and ends with 0.
StartDecision DecideStart(const StartFindings& findings);

} // namespace vevove
