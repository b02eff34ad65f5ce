// Vevove's settings file in the all-users application-data folder, as the
// tests put it in place, read it and take it away.
#pragma once

#include "harness/Wait.h"

#include <optional>
#include <string>

namespace e2e {

constexpr char kSettingsFilePath[] = "C:\\ProgramData\\ScrDef.ini";

void WriteSettingsFile(const std::string& bytes);

// The file's bytes; nothing when there is no file or it cannot be read yet.
std::optional<std::string> ReadSettingsFile();

// The file's bytes once it can be read: the program writes it without sharing
// and closes it, so a read that succeeds sees the whole of it.
std::optional<std::string> WaitForSettingsFile(Milliseconds timeout = kTimeout);

// Takes away the file, or a directory that stands in its place.
void RemoveSettingsFile();

// The monitor that the saved resolution belongs to, kept beside the options:
// empty when none is recorded.
std::string ResolutionMonitor();
void ForgetResolutionMonitor();

// A directory of the file's name, so that the file cannot be created.
void PutDirectoryInPlaceOfSettingsFile();

// The all-users application-data folder moved, as the shell names it, to a
// new folder for as long as this lives; then the folder, with what was put
// into it, is gone and the shell names the old one again.
class MovedCommonDataFolder {
  public:
    explicit MovedCommonDataFolder(const std::wstring& folder);
    ~MovedCommonDataFolder();
    MovedCommonDataFolder(const MovedCommonDataFolder&) = delete;
    MovedCommonDataFolder& operator=(const MovedCommonDataFolder&) = delete;

    // The settings file's bytes there; nothing when there is none.
    std::optional<std::string> ReadSettingsFile() const;

  private:
    std::wstring folder_;
    std::optional<std::wstring> previous_;
};

} // namespace e2e
