// Loading and saving the settings file from the main window's boxes.
#include "app/Unit1.h"
#include "resolution/NumberRules.h"
#include "resolution/SettingsFile.h"
#include "resolution/SettingsLines.h"
#include "resolution/ShellFolder.h"

namespace vevove {

void TForm1::LoadDefaults() {
    // Loading never reports: whatever fails ends the load silently and what was
    // applied before stays applied.
    try {
        SettingsPath = SpecialFolderPath(os_, kCommonAppDataFolder) + "\\" + kSettingsFileName;
        if (!SettingsFileExists(os_, SettingsPath)) {
            return;
        }
        const auto lines = SplitSettingsLines(ReadSettingsFile(os_, SettingsPath));
        if (lines[2] == "auto") {
            os_.setChecked(CheckBox1, true);
        }
        if (ApplyDimensionLine(lines[0], Edit1, SavedWidth)) {
            ApplyDimensionLine(lines[1], Edit2, SavedHeight);
        }
    } catch (...) {
    }
}

// Shows a non-blank line in its box and keeps the low 16 bits of its number;
// false when the line is not a number, which ends the load.
bool TForm1::ApplyDimensionLine(const std::string& line, WindowHandle edit, std::uint16_t& saved) {
    if (!HasVisibleByte(line)) {
        return true;
    }
    os_.setWindowText(edit, line);
    const auto number = ParseSettingsNumber(line);
    if (!number) {
        return false;
    }
    saved = static_cast<std::uint16_t>(static_cast<std::uint32_t>(*number) & 0xFFFFu);
    return true;
}

void TForm1::Button2Click() {
    const std::string text =
        JoinSettingsLines(os_.windowText(Edit1), os_.windowText(Edit2), os_.isChecked(CheckBox1));
    WriteSettingsFile(os_, SettingsPath, text);
    SaveDesktopItemPositions();
}

} // namespace vevove
