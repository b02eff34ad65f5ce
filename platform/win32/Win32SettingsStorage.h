// The settings file on Windows: the shell's all-users data folder and the
// file read and written through kernel32.
#pragma once

#include "SettingsStorage.h"

namespace vevove {

class Win32SettingsStorage final : public SettingsStorage {
  public:
    std::string CommonDataFolder() override;
    bool IsLoadableFile(const std::string& path) override;
    std::optional<SystemFailure> ReadAll(const std::string& path, std::string& bytes) override;
    std::optional<FileWriteFailure> WriteAll(const std::string& path,
                                             const std::string& bytes) override;
};

} // namespace vevove
