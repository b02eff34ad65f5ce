// An existing settings file replaced whatever fails on the way: the old or
// the new content under the file's name, and no content lost.
#include "FakeFileSteps.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vevove::fake {
namespace {

constexpr const char* kTarget = "C:\\ProgramData\\ScrDef.ini";
constexpr const char* kReplacement = "C:\\ProgramData\\Scr1.tmp";
constexpr const char* kBackup = "C:\\ProgramData\\Scr2.tmp";
constexpr const char* kOld = "640\r\n480\r\nmanual\r\n";
constexpr const char* kNew = "1024\r\n768\r\nauto\r\n";
constexpr int kTargetIdentity = 7;

struct Injection {
    const char* operation;
    std::uint32_t code;
    int skipped = 0;
    bool always = false;
};

TEST(FileReplacementTest, TheOldOrTheNewContentStandsAndNoneIsLost) {
    struct Case {
        const char* name;
        std::vector<Injection> injections;
        const char* target; // the content under the file's name, nullptr: none
        bool identityKept;  // its permissions are the file's own
        std::map<std::string, std::string> others; // the files left beside it
        std::uint32_t failure;                     // 0: the save succeeds
    };
    const Case cases[] = {
        {"replaced at once", {}, kNew, true, {}, 0},
        {"held by a reader for a moment",
         {{"Replace", kSharingViolation}, {"Replace", kSharingViolation}},
         kNew,
         true,
         {},
         0},
        {"held by another program for good",
         {{"Replace", kSharingViolation, 0, true}},
         kOld,
         true,
         {},
         kSharingViolation},
        {"the replacement refused, the old file back",
         {{"Replace", kUnableToMoveReplacement}},
         kOld,
         true,
         {},
         kUnableToMoveReplacement},
        {"halfway: the new file takes the name",
         {{"Replace", kUnableToMoveReplacementAside}},
         kNew,
         false,
         {},
         0},
        {"halfway, the new file refused the name: the old goes back",
         {{"Replace", kUnableToMoveReplacementAside}, {"Move", kErrorAccessDenied}},
         kOld,
         true,
         {},
         kUnableToMoveReplacementAside},
        {"halfway, both refused the name: the new content written there",
         {{"Replace", kUnableToMoveReplacementAside}, {"Move", kErrorAccessDenied, 0, true}},
         kNew,
         false,
         {},
         0},
        {"halfway, nothing takes the name: both contents kept aside",
         {{"Replace", kUnableToMoveReplacementAside},
          {"Move", kErrorAccessDenied, 0, true},
          {"Write.Open", kErrorAccessDenied}},
         nullptr,
         false,
         {{kBackup, kOld}, {kReplacement, kNew}},
         kUnableToMoveReplacementAside},
        {"no delete access: written in place",
         {{"Replace", kAccessDenied, 0, true}},
         kNew,
         true,
         {},
         0},
        {"no access at all: the file untouched",
         {{"Replace", kAccessDenied, 0, true}, {"Write.Open", kAccessDenied, 1}},
         kOld,
         true,
         {},
         kAccessDenied},
        {"the write in place broken off: the old content back",
         {{"Replace", kAccessDenied, 0, true}, {"Write", kErrorDiskFull, 1}},
         kOld,
         true,
         {},
         kAccessDenied},
        {"the write in place broken off for good: both contents kept",
         {{"Replace", kAccessDenied, 0, true}, {"Write", kErrorDiskFull, 1, true}},
         "640\r\n480\r",
         true,
         {{kBackup, kOld}, {kReplacement, kNew}},
         kAccessDenied},
        {"no copy of the old content can be made: nothing written in place",
         {{"Replace", kAccessDenied, 0, true}, {"Write.Open", kErrorDiskFull}},
         kOld,
         true,
         {},
         kAccessDenied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSteps steps;
        steps.files[kTarget] = {kOld, kTargetIdentity};
        steps.files[kReplacement] = {kNew, 1};
        for (const Injection& injection : c.injections) {
            if (injection.always) {
                steps.failures.FailAlways(injection.operation, injection.code, injection.skipped);
            } else {
                steps.failures.FailNext(injection.operation, injection.code, injection.skipped);
            }
        }
        const std::optional<SystemFailure> failure =
            ReplaceExistingFile(steps, kTarget, kReplacement, kBackup, kNew);
        EXPECT_EQ(failure ? failure->code : 0u, c.failure);
        for (const Injection& injection : c.injections) {
            EXPECT_TRUE(steps.failures.Fired(injection.operation)) << injection.operation;
        }
        const auto target = steps.files.find(kTarget);
        if (c.target == nullptr) {
            EXPECT_EQ(target, steps.files.end());
        } else {
            ASSERT_NE(target, steps.files.end());
            EXPECT_EQ(target->second.bytes, c.target);
            EXPECT_EQ(target->second.identity == kTargetIdentity, c.identityKept);
        }
        std::map<std::string, std::string> others;
        for (const auto& [path, file] : steps.files) {
            if (path != kTarget) {
                others[path] = file.bytes;
            }
        }
        EXPECT_EQ(others, c.others);
    }
}

} // namespace
} // namespace vevove::fake
