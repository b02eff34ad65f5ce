// New content put in the place of an existing file so that, whatever fails,
// no content is lost: the old one or the new one stands whole under the
// file's name, and where neither can, each stays whole in a file of its own.
#pragma once

#include "Errors.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vevove {

// The system's codes that the replacement tells apart.
constexpr std::uint32_t kAccessDenied = 5;                    // ERROR_ACCESS_DENIED
constexpr std::uint32_t kSharingViolation = 32;               // ERROR_SHARING_VIOLATION
constexpr std::uint32_t kLockViolation = 33;                  // ERROR_LOCK_VIOLATION
constexpr std::uint32_t kUnableToRemoveReplaced = 1175;       // nothing was moved
constexpr std::uint32_t kUnableToMoveReplacement = 1176;      // the old file is back
constexpr std::uint32_t kUnableToMoveReplacementAside = 1177; // the old file is the backup

// The file system's tasks that the replacement is made of.
class FileSteps {
  public:
    virtual ~FileSteps() = default;

    // The replacement takes the target's place and keeps its identity (its
    // permissions, owner, attributes and streams), the old file going under
    // the backup's name on the way (ReplaceFile); the codes above say how far
    // a failure got.
    virtual std::optional<SystemFailure> Replace(const std::string& target,
                                                 const std::string& replacement,
                                                 const std::string& backup) = 0;
    // Renames a file where none stands.
    virtual std::optional<SystemFailure> Move(const std::string& from, const std::string& to) = 0;
    // Writes the bytes as the whole content of the file, which keeps its
    // identity, or is made where there is none, and waits until they are on
    // the disk.
    virtual std::optional<SystemFailure> Write(const std::string& path,
                                               const std::string& bytes) = 0;
    virtual std::optional<SystemFailure> Read(const std::string& path, std::string& bytes) = 0;
    virtual void Delete(const std::string& path) = 0;
    // A moment for another program to let go of the file.
    virtual void Pause() = 0;
};

// Puts the content of `replacement`, a file that holds `bytes` on the disk,
// in the place of the existing `target`, using `backup`, a free name in the
// same folder, for the old content on the way:
// - ReplaceFile, tried again while another program holds the target;
// - a target the user may write but not delete (ReplaceFile refused for want
//   of delete access) is written in place, which keeps its permissions,
//   while a copy of the old content waits under the backup's name;
// - where ReplaceFile got halfway (the old file aside, the target's name
//   free), the new content takes the name, or else the old goes back, or
//   else the new content is written there as a new file.
// The files left over are removed, except one that holds the only copy of a
// content. The failure reported is ReplaceFile's.
std::optional<SystemFailure> ReplaceExistingFile(FileSteps& steps, const std::string& target,
                                                 const std::string& replacement,
                                                 const std::string& backup,
                                                 const std::string& bytes);

} // namespace vevove
