// The Win32 side of the seam, as both of the program's entries use it: each
// implementation of a seam interface, and the bundle of them on a thread's
// COM apartment (the settings folder is a shell lookup).
#pragma once

#include "ComApartment.h"
#include "DesktopIcons.h"
#include "Display.h"
#include "IconRegistry.h"
#include "SettingsStorage.h"
#include "ShellThread.h"

#include <memory>

namespace vevove {

// The settings file on Windows: the shell's all-users data folder and the
// file read and written through kernel32.
class Win32SettingsStorage final : public SettingsStorage {
  public:
    std::string CommonDataFolder() override;
    bool IsLoadableFile(const std::string& path) override;
    std::optional<SystemFailure> ReadAll(const std::string& path, std::string& bytes) override;
    std::optional<FileWriteFailure> WriteAll(const std::string& path,
                                             const std::string& bytes) override;
};

// The primary display on Windows.
class Win32Display final : public Display {
  public:
    ScreenSize CurrentSize() override;
    bool ChangeMode(std::uint32_t width, std::uint32_t height) override;
};

// The desktop's icons on Windows: through the shell's folder view where it
// serves, otherwise through the list view in the shell's process, decided
// once per command; every call on a thread of the command's own, waited for
// at most about two seconds.
class Win32DesktopIcons final : public DesktopIcons {
  public:
    DesktopResult Open(std::unique_ptr<DesktopIconView>& view) override;
    std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) override;

  private:
    friend class ThreadedIconView;

    bool viewOpen_ = false;
    // The thread of a command that the desktop left unanswered, until it
    // ends: no other command starts meanwhile.
    std::shared_ptr<ShellThread> leftBehind_;
};

// The current user's registry on Windows, as the icon logic uses it.
class Win32IconRegistry final : public IconRegistry {
  public:
    std::optional<SystemFailure> CreateKey(const std::string& path, RegistryKeyId& key) override;
    bool OpenKey(const std::string& path, RegistryKeyId& key) override;
    void CloseKey(RegistryKeyId key) override;
    std::vector<RegistryValue> Values(RegistryKeyId key) override;
    std::optional<SystemFailure> SetValue(RegistryKeyId key, const RegistryValue& value) override;
    std::optional<SystemFailure> DeleteValue(RegistryKeyId key,
                                             const std::u16string& name) override;
    std::u16string ValueNameForm(const std::u16string& name) override;
};

struct Win32Platform {
    // First in, last out: the others are gone before the apartment closes.
    ComApartment apartment;
    Win32SettingsStorage storage;
    Win32Display display;
    Win32DesktopIcons desktopIcons;
    Win32IconRegistry registry;
};

} // namespace vevove
