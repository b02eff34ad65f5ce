#include "CommandLineRun.h"

#include "ErrorText.h"
#include "Format.h"
#include "LoadSettings.h"
#include "ResolutionCommands.h"
#include "ResolutionMonitor.h"
#include "SavedLayouts.h"

#include <cstdint>
#include <exception>

namespace vevove {

namespace {

// The width and height boxes and "Auto" of a run without a window: the load
// fills them, and nothing reads them.
class BoxesInMemory final : public ResolutionBoxes {
  public:
    std::string WidthText() override { return width_; }
    void SetWidthText(const std::string& text) override { width_ = text; }
    std::string HeightText() override { return height_; }
    void SetHeightText(const std::string& text) override { height_ = text; }
    bool AutoChecked() override { return autoChecked_; }
    void CheckAuto() override { autoChecked_ = true; }

  private:
    std::string width_;
    std::string height_;
    bool autoChecked_ = false;
};

// The display as "Restore resolution" uses it, watched: the button says
// nothing when it requests no mode or the display refuses one, the command
// line must.
class WatchedDisplay final : public Display {
  public:
    explicit WatchedDisplay(Display& display) : display_(display) {}

    ScreenSize CurrentSize() override { return display_.CurrentSize(); }
    std::vector<Monitor> Monitors() override { return display_.Monitors(); }
    std::u16string PrimaryMonitor() override { return display_.PrimaryMonitor(); }
    bool ChangeMode(std::uint32_t width, std::uint32_t height) override {
        requested = true;
        accepted = display_.ChangeMode(width, height);
        return accepted;
    }

    bool requested = false;
    bool accepted = false;

  private:
    Display& display_;
};

// What a switch did, or why it did not, for the output it goes to.
struct Outcome {
    bool done = false;
    std::string text;
};

Outcome Done(const std::string& text) {
    return {true, text};
}

Outcome Failed(const std::string& text) {
    return {false, text};
}

// The file is loaded by the window's own rules and the stored resolution
// applied by the button's, whatever "Auto" says.
Outcome RestoreStoredResolution(CommandTargets& targets) {
    WatchedDisplay display(targets.display);
    BoxesInMemory boxes;
    Resolution resolution{targets.storage, display, boxes, targets.registry, {}};
    LoadSettings(resolution);
    RestoreResolution(resolution);
    const ResolutionState& state = resolution.state;
    if (!display.requested) {
        const std::string shownPath = targets.storage.ShownPath(state.settingsPath);
        if (!targets.storage.IsLoadableFile(state.settingsPath)) {
            return Failed(Format("there is no settings file %s to restore the resolution from.",
                                 shownPath.c_str()));
        }
        if (!OnResolutionMonitor(resolution)) {
            return Failed(Format("the resolution in %s belongs to a monitor that is not the "
                                 "primary one now.",
                                 shownPath.c_str()));
        }
        return Failed(
            Format("%s holds no resolution of at least 640 x 480 to restore.", shownPath.c_str()));
    }
    if (!display.accepted) {
        return Failed(Format("the display refused %u x %u.", unsigned{state.savedWidth},
                             unsigned{state.savedHeight}));
    }
    return Done(Format("Resolution restored: %u x %u.", unsigned{state.savedWidth},
                       unsigned{state.savedHeight}));
}

// The menu offers these only where there is something to restore; the
// command line says when there is not.
bool UndoRestoreIfAny(Desktop& desktop) {
    if (BeforeLastRestore(desktop.registry, CurrentSetup(desktop)).empty()) {
        throw Error(ErrorKind::System, "there is no restore to undo on this display setup");
    }
    return UndoLastRestore(desktop);
}

bool RestoreEarlierIfAny(Desktop& desktop) {
    const std::vector<std::string> times = SavedTimes(desktop.registry, CurrentSetup(desktop));
    if (times.size() < 2) {
        throw Error(ErrorKind::System, "there is no earlier layout on this display setup");
    }
    return RestoreLayoutSavedAt(desktop, times[1]);
}

// The buttons do nothing when there is no desktop with icons; the command
// line says so.
Outcome RunIconCommand(bool (*command)(Desktop&), DesktopWork& desktop, const char* doneText) {
    if (!desktop.Run(command)) {
        return Failed("the desktop's icons were not found; is the desktop shell running?");
    }
    return Done(doneText);
}

Outcome RunSwitch(Switch command, CommandTargets& targets) {
    Outcome outcome;
    switch (command) {
    case Switch::SaveIcons:
        outcome = RunIconCommand(SaveIcons, targets.desktop, "Icons saved.");
        break;
    case Switch::RestoreIcons:
        outcome = RunIconCommand(RestoreIcons, targets.desktop, "Icons restored.");
        break;
    case Switch::UndoRestore:
        outcome = RunIconCommand(UndoRestoreIfAny, targets.desktop, "Last restore undone.");
        break;
    case Switch::RestoreEarlier:
        outcome = RunIconCommand(RestoreEarlierIfAny, targets.desktop, "Earlier layout restored.");
        break;
    case Switch::RestoreResolution:
        outcome = RestoreStoredResolution(targets);
        break;
    }
    return outcome;
}

// An error that the window would show in its error box fails the switch with
// the box's text.
Outcome RunSwitchCaught(Switch command, CommandTargets& targets) {
    try {
        return RunSwitch(command, targets);
    } catch (const std::exception& error) {
        return Failed(ErrorBoxText(error.what()));
    }
}

} // namespace

int RunCommandLine(const CommandLine& line, CommandTargets& targets, CommandOutput& output) {
    switch (line.kind) {
    case CommandLine::Kind::Usage:
        output.WriteOutput(UsageText());
        return kExitSuccess;
    case CommandLine::Kind::Invalid:
        output.WriteError(Format(line.minimized || line.background
                                     ? "\"%s\" starts the window and stands alone.\r\n\r\n"
                                     : "Unknown argument \"%s\".\r\n\r\n",
                                 line.invalidArgument.c_str()) +
                          UsageText());
        return kExitInvalidArguments;
    case CommandLine::Kind::Window:
    case CommandLine::Kind::Commands:
        break;
    }
    int exitCode = kExitSuccess;
    for (const Switch command : line.switches) {
        const Outcome outcome = RunSwitchCaught(command, targets);
        if (outcome.done) {
            output.WriteOutput(outcome.text + "\r\n");
        } else {
            output.WriteError(SwitchName(command) + ": " + outcome.text + "\r\n");
            exitCode = kExitFailed;
        }
    }
    return exitCode;
}

} // namespace vevove
