// The Win32 side of the seam: each implementation of a seam interface, and
// the bundle of those that both of the program's entries use on their own
// thread; the desktop's icons and names live on the desktop worker's thread,
// in its COM apartment.
#pragma once

#include "Clock.h"
#include "DesktopIcons.h"
#include "DesktopWays.h"
#include "Display.h"
#include "NameMatching.h"
#include "SettingsStorage.h"
#include "UserRegistry.h"

#include <memory>

namespace vevove {

// The settings file on Windows: the shell's all-users data folder and the
// file read and written through kernel32.
class Win32SettingsStorage final : public SettingsStorage {
  public:
    std::string CommonDataFolder() override;
    std::string ShownPath(const std::string& path) override;
    bool IsLoadableFile(const std::string& path) override;
    std::optional<SystemFailure> ReadAll(const std::string& path, std::string& bytes) override;
    std::optional<FileWriteFailure> WriteAll(const std::string& path,
                                             const std::string& bytes) override;
};

// The primary display on Windows.
class Win32Display final : public Display {
  public:
    ScreenSize CurrentSize() override;
    std::vector<Monitor> Monitors() override;
    std::u16string PrimaryMonitor() override;
    bool ChangeMode(std::uint32_t width, std::uint32_t height) override;
};

// The desktop's icons on Windows, on the desktop worker's thread: through the
// shell's folder view where it serves, otherwise through the list view in the
// shell's process, decided when the desktop is opened. It stays open across
// the reads and moves of a burst and is opened again when the shell has
// restarted.
class Win32DesktopIcons final : public DesktopIcons {
  public:
    DesktopResult Read(IconParts parts, DesktopRead& read) override;
    DesktopResult Place(const std::vector<IconMove>& moves) override;
    // Lets go of the desktop until the next read.
    void Close() { way_.reset(); }

  private:
    DesktopResult Open();

    std::unique_ptr<DesktopWay> way_;
    ShellWindows shellWindows_ = ShellWindows::Found;
};

// Names as the list view's search by text compares them.
class Win32NameMatching final : public NameMatching {
  public:
    std::optional<SystemFailure> MatchKey(const std::u16string& name, std::string& key) override;
};

// The local time on Windows.
class Win32Clock final : public Clock {
  public:
    std::string LocalTime() override;
};

// The current user's registry on Windows.
class Win32UserRegistry final : public UserRegistry {
  public:
    std::optional<SystemFailure> CreateKey(const std::string& path, RegistryKeyId& key) override;
    bool OpenKey(const std::string& path, RegistryKeyId& key) override;
    void CloseKey(RegistryKeyId key) override;
    std::vector<RegistryValue> Values(RegistryKeyId key) override;
    std::optional<SystemFailure> SetValue(RegistryKeyId key, const RegistryValue& value) override;
    std::optional<SystemFailure> DeleteValue(RegistryKeyId key,
                                             const std::u16string& name) override;
    std::vector<std::string> SubkeyNames(const std::string& path) override;
    std::optional<SystemFailure> DeleteKey(const std::string& path) override;
    std::u16string ValueNameForm(const std::u16string& name) override;
};

struct Win32Platform {
    Win32SettingsStorage storage;
    Win32Display display;
    Win32UserRegistry registry;
};

} // namespace vevove
