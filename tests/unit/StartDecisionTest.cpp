// What a start of the window program does, from what it finds.
#include "StartDecision.h"

#include <gtest/gtest.h>

namespace vevove {
namespace {

TEST(StartDecisionTest, ClaimsHandsOverWaitsOrGivesUp) {
    using Claim = StartFindings::Claim;
    struct Case {
        const char* name;
        StartFindings findings;
        StartDecision decision;
    };
    const Case cases[] = {
        {"the first start", {Claim::Made, false, false, false}, StartDecision::Claim},
        {"a second start", {Claim::Held, true, true, false}, StartDecision::HandOver},
        {"the first still building its window",
         {Claim::Held, false, false, false},
         StartDecision::LookAgain},
        {"the first never answering", {Claim::Held, true, false, true}, StartDecision::NoAnswer},
        {"an administrator's Vevove answering",
         {Claim::Refused, true, true, false},
         StartDecision::HandOver},
        {"an administrator's Vevove still building",
         {Claim::Refused, false, false, false},
         StartDecision::LookAgain},
        {"an administrator's Vevove whose window never answers",
         {Claim::Refused, true, false, true},
         StartDecision::HandOver},
        {"a claim the system cannot make, nobody answering",
         {Claim::Failed, false, false, true},
         StartDecision::NoAnswer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideStart(c.findings), c.decision);
    }
}

} // namespace
} // namespace vevove
