// "Save resolution", its settings-file part: the boxes and "Auto" written as
// the file's three lines, which then give the stored resolution.
#include "Errors.h"
#include "Format.h"
#include "LoadSettings.h"
#include "ResolutionCommands.h"
#include "ResolutionMonitor.h"
#include "SettingsLines.h"

#include <optional>
#include <string>

namespace vevove {

namespace {

constexpr const char* kFileCreateErrorText = "Datei \"%s\" kann nicht erstellt werden. %s";
constexpr const char* kWriteErrorText = "Stream-Schreibfehler";

// The file-creation error names the full path that was tried and the system's
// reason; a short write has no reason of its own.
[[noreturn]] void RaiseWriteFailure(SettingsStorage& storage, const FileWriteFailure& failure) {
    if (failure.step == FileWriteFailure::Step::Create) {
        throw Error(ErrorKind::FileCreate,
                    Format(kFileCreateErrorText, storage.ShownPath(failure.fullPath).c_str(),
                           failure.failure.text.c_str()));
    }
    throw Error(ErrorKind::Write, kWriteErrorText);
}

} // namespace

// A saved resolution counts at once: the stored one becomes what a load of the
// file just written gives, from nothing, as at a start with that file. A save
// that fails leaves the file and the stored resolution as they were.
void SaveResolution(Resolution& resolution) {
    ResolutionBoxes& boxes = resolution.boxes;
    const std::string text =
        JoinSettingsLines(boxes.WidthText(), boxes.HeightText(), boxes.AutoChecked());
    if (const std::optional<FileWriteFailure> failure =
            resolution.storage.WriteAll(resolution.state.settingsPath, text)) {
        RaiseWriteFailure(resolution.storage, *failure);
    }
    const SizeLines size = ReadSizeLines(SplitSettingsLines(text));
    resolution.state.savedWidth = size.width.value_or(0);
    resolution.state.savedHeight = size.height.value_or(0);
    RecordResolutionMonitor(resolution);
}

} // namespace vevove
