#include "CommandLineEntry.h"

#include "CodePages.h"
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "Console.h"
#include "Win32Platform.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace vevove {

namespace {

struct FreeWithLocalFree {
    void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

// The arguments after the program's name, split by the system's rules, in
// UTF-8: no character is lost on the way to the parser, so none that the ANSI
// code page lacks can become "?" and make "/?" of an argument.
std::vector<std::string> ArgumentsInUtf8() {
    int count = 0;
    const std::unique_ptr<LPWSTR, FreeWithLocalFree> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> converted;
    for (int at = 1; arguments != nullptr && at < count; ++at) {
        converted.push_back(CodePageFromWide(CP_UTF8, arguments.get()[at]));
    }
    return converted;
}

// The same Win32 side as the window's run, the settings folder's lookup in
// the same kind of COM apartment.
int RunWithoutWindow(const CommandLine& line) {
    Win32Platform platform;
    Desktop desktop{platform.desktopIcons, platform.registry};
    CommandTargets targets{platform.storage, platform.display, desktop};
    ConsoleOutput output;
    return RunCommandLine(line, targets, output);
}

} // namespace

std::optional<int> RunCommandLineIfGiven(WindowStart& windowStart) {
    CommandLine line = ParseCommandLine(ArgumentsInUtf8());
    if (line.kind == CommandLine::Kind::Window) {
        windowStart.minimized = line.minimized;
        return std::nullopt;
    }
    // Shown in the ANSI code page, as every text of the program is.
    line.invalidArgument =
        CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, line.invalidArgument));
    return RunWithoutWindow(line);
}

} // namespace vevove
