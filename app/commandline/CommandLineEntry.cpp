#include "CommandLineEntry.h"

#include "CodePages.h"
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "Console.h"
#include "DesktopCalls.h"
#include "DesktopWorker.h"
#include "OwnedHandle.h"
#include "SystemFailureText.h"
#include "Win32Platform.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <exception>
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

// The icon commands on the desktop worker, as the window runs them: this
// thread waits for each, and gives it up once it has waited about two seconds
// for the shell without an answer.
class DesktopWorkWaited final : public DesktopWork {
  public:
    explicit DesktopWorkWaited(DesktopWorker& worker) : worker_(worker) {}

    bool Run(const std::function<bool(Desktop&)>& command) override {
        struct Outcome {
            OwnedHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
            bool found = false;
            std::exception_ptr error;
        };
        auto outcome = std::make_shared<Outcome>();
        if (!outcome->done.valid()) {
            RaiseSystemError(LastSystemFailure());
        }
        const JobId id = worker_.Post([outcome, command](WorkerDesktop& worker, JobId) {
            Desktop desktop{worker.icons, worker.names, worker.registry, worker.display,
                            worker.clock};
            try {
                outcome->found = command(desktop);
            } catch (...) {
                outcome->error = std::current_exception();
            }
            SetEvent(outcome->done.get());
        });
        while (WaitForSingleObject(outcome->done.get(), kWatchIntervalMs) == WAIT_TIMEOUT) {
            const std::vector<JobId> givenUp = worker_.GiveUpOverdue();
            if (std::find(givenUp.begin(), givenUp.end(), id) != givenUp.end()) {
                Check(DesktopFailure{DesktopFailure::Kind::NotAnswering, {}});
            }
        }
        if (outcome->error) {
            std::rethrow_exception(outcome->error);
        }
        return outcome->found;
    }

  private:
    static constexpr DWORD kWatchIntervalMs = 100;
    DesktopWorker& worker_;
};

// The same Win32 side as the window's run. The end of the run waits, as the
// window's does, for the desktop to be put back.
int RunWithoutWindow(const CommandLine& line) {
    Win32Platform platform;
    DesktopWorker worker;
    DesktopWorkWaited desktop(worker);
    CommandTargets targets{platform.storage, platform.display, platform.registry, desktop};
    ConsoleOutput output;
    return RunCommandLine(line, targets, output);
}

} // namespace

std::optional<int> RunCommandLineIfGiven(WindowStart& windowStart) {
    CommandLine line = ParseCommandLine(ArgumentsInUtf8());
    if (line.kind == CommandLine::Kind::Window) {
        windowStart.minimized = line.minimized;
        windowStart.background = line.background;
        return std::nullopt;
    }
    // Shown in the ANSI code page, as every text of the program is.
    line.invalidArgument =
        CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, line.invalidArgument));
    return RunWithoutWindow(line);
}

} // namespace vevove
