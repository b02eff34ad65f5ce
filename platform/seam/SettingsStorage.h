// The settings file as the resolution logic uses it: where it lives, whether
// there is one to load, its whole content, and writing it anew.
#pragma once

#include "Errors.h"

#include <optional>
#include <string>

namespace vevove {

// Why a file could not be written: it could not be created (with the full
// path that was tried), or fewer bytes reached it than were given.
//
// Paths are UTF-8 throughout, so that a folder whose name the ANSI code page
// cannot hold is served; a text that shows one takes it from ShownPath.
struct FileWriteFailure {
    enum class Step { Create, Write };
    Step step = Step::Create;
    SystemFailure failure;
    std::string fullPath;
};

class SettingsStorage {
  public:
    virtual ~SettingsStorage() = default;

    // The all-users application-data folder without a trailing backslash, or
    // empty text when the shell cannot name it.
    virtual std::string CommonDataFolder() = 0;

    // The path as the program's texts show it, in their code page.
    virtual std::string ShownPath(const std::string& path) = 0;

    // True when a file (not a folder) exists at `path` and its last-write
    // time, as local time, is one that a DOS date can express (1980 to 2107).
    virtual bool IsLoadableFile(const std::string& path) = 0;

    // The whole file, read while others may read it but not write it.
    virtual std::optional<SystemFailure> ReadAll(const std::string& path, std::string& bytes) = 0;

    // Creates or replaces the file so that it holds exactly `bytes`. A failure
    // leaves the file as it was, or no file where there was none.
    virtual std::optional<FileWriteFailure> WriteAll(const std::string& path,
                                                     const std::string& bytes) = 0;
};

} // namespace vevove
