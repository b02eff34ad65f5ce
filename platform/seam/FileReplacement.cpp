#include "FileReplacement.h"

namespace vevove {

namespace {

constexpr int kReplaceTries = 10;

bool IsMomentary(std::uint32_t code) {
    return code == kSharingViolation || code == kLockViolation || code == kUnableToRemoveReplaced ||
           code == kAccessDenied;
}

// ReplaceFile, tried again while another program may hold the target.
std::optional<SystemFailure> ReplaceWhenFree(FileSteps& steps, const std::string& target,
                                             const std::string& replacement,
                                             const std::string& backup) {
    for (int attempt = 1;; ++attempt) {
        std::optional<SystemFailure> failure = steps.Replace(target, replacement, backup);
        if (!failure || !IsMomentary(failure->code) || attempt == kReplaceTries) {
            return failure;
        }
        steps.Pause();
    }
}

// Once a content stands whole under the target's name, the other one's file
// goes.
void RemoveLeftovers(FileSteps& steps, const std::string& backup, const std::string& replacement) {
    steps.Delete(backup);
    steps.Delete(replacement);
}

// The old file stands under the backup's name and the new one under the
// replacement's; the target's name is free.
std::optional<SystemFailure> FinishHalfwayReplacement(FileSteps& steps, const std::string& target,
                                                      const std::string& replacement,
                                                      const std::string& backup,
                                                      const std::string& bytes,
                                                      const SystemFailure& failure) {
    if (!steps.Move(replacement, target)) {
        steps.Delete(backup);
        return std::nullopt;
    }
    if (!steps.Move(backup, target)) {
        steps.Delete(replacement);
        return failure;
    }
    if (!steps.Write(target, bytes)) {
        RemoveLeftovers(steps, backup, replacement);
        return std::nullopt;
    }
    // Both contents stay, each whole in a file of its own.
    return failure;
}

// The target may be written but not deleted: the new content is written into
// it, while a copy of the old one waits under the backup's name, and goes
// back where the writing fails after it changed the target.
std::optional<SystemFailure> WriteInPlace(FileSteps& steps, const std::string& target,
                                          const std::string& replacement, const std::string& backup,
                                          const std::string& bytes, const SystemFailure& failure) {
    std::string old;
    if (steps.Read(target, old) || steps.Write(backup, old)) {
        RemoveLeftovers(steps, backup, replacement);
        return failure;
    }
    if (!steps.Write(target, bytes)) {
        RemoveLeftovers(steps, backup, replacement);
        return std::nullopt;
    }
    std::string now;
    if ((!steps.Read(target, now) && now == old) || !steps.Write(target, old)) {
        RemoveLeftovers(steps, backup, replacement);
        return failure;
    }
    // Both stay, each whole in a file of its own.
    return failure;
}

} // namespace

std::optional<SystemFailure> ReplaceExistingFile(FileSteps& steps, const std::string& target,
                                                 const std::string& replacement,
                                                 const std::string& backup,
                                                 const std::string& bytes) {
    std::optional<SystemFailure> failure = ReplaceWhenFree(steps, target, replacement, backup);
    if (!failure) {
        steps.Delete(backup);
        return std::nullopt;
    }
    if (failure->code == kUnableToMoveReplacementAside) {
        return FinishHalfwayReplacement(steps, target, replacement, backup, bytes, *failure);
    }
    if (failure->code == kAccessDenied) {
        return WriteInPlace(steps, target, replacement, backup, bytes, *failure);
    }
    steps.Delete(replacement);
    return failure;
}

} // namespace vevove
