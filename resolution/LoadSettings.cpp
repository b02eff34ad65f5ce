#include "LoadSettings.h"

#include "SettingsLines.h"

#include <array>
#include <cstdint>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace vevove {

namespace {

constexpr const char* kSettingsFileName = "ScrDef.ini";

// False when the line is shown but is not a number, which ends the reading.
bool ReadSizeLine(const std::string& line, std::optional<std::string>& text,
                  std::optional<std::uint16_t>& value) {
    if (!HasVisibleByte(line)) {
        return true;
    }
    text = line;
    const std::optional<std::int32_t> number = ParseSettingsNumber(line);
    if (!number) {
        return false;
    }
    value = static_cast<std::uint16_t>(static_cast<std::uint32_t>(*number) & 0xFFFFu);
    return true;
}

// A file too large to hold in memory ends the load as one that cannot be read
// does; nothing else that loading calls raises.
bool ReadSettingsFile(SettingsStorage& storage, const std::string& path, std::string& bytes) {
    try {
        return !storage.ReadAll(path, bytes);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

} // namespace

SizeLines ReadSizeLines(const std::array<std::string, 3>& lines) {
    SizeLines size;
    if (ReadSizeLine(lines[0], size.widthText, size.width)) {
        ReadSizeLine(lines[1], size.heightText, size.height);
    }
    return size;
}

// Loading never reports: the window is shown with whatever the file gave up to
// the first failure, and without it when there is no file to read.
void LoadSettings(Resolution& resolution) {
    ResolutionState& state = resolution.state;
    ResolutionBoxes& boxes = resolution.boxes;
    state.settingsPath = resolution.storage.CommonDataFolder() + "\\" + kSettingsFileName;
    std::string bytes;
    if (!resolution.storage.IsLoadableFile(state.settingsPath) ||
        !ReadSettingsFile(resolution.storage, state.settingsPath, bytes)) {
        return;
    }
    const std::array<std::string, 3> lines = SplitSettingsLines(bytes);
    if (lines[2] == "auto") {
        boxes.CheckAuto();
    }
    const SizeLines size = ReadSizeLines(lines);
    if (size.widthText) {
        boxes.SetWidthText(*size.widthText);
    }
    state.savedWidth = size.width.value_or(state.savedWidth);
    if (size.heightText) {
        boxes.SetHeightText(*size.heightText);
    }
    state.savedHeight = size.height.value_or(state.savedHeight);
}

} // namespace vevove
