// The program's entry: the application object and its main form, the
// message loop, and the box for an error that escapes before the loop runs.
#include "Application.h"
#include "ApplicationTitle.h"
#include "CommandLineEntry.h"
#include "DesktopWorker.h"
#include "ErrorText.h"
#include "Errors.h"
#include "MainWindow.h"
#include "OneWindowProgram.h"
#include "ScopeGuard.h"
#include "Win32Platform.h"

#include <windows.h>

#include <memory>

namespace vevove {
namespace {

std::string ModuleFileName() {
    char path[256] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

std::string SystemLowerCase(std::string text) {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string ModuleNameAt(const void* address, std::uintptr_t& base) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module)) {
        module = GetModuleHandleA(nullptr);
    }
    base = reinterpret_cast<std::uintptr_t>(module);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    const char* name = strrchr(path, '\\');
    return name != nullptr ? name + 1 : path;
}

int ShowStartupError(const std::exception& error) {
    const auto* raised = dynamic_cast<const Error*>(&error);
    const void* address = raised != nullptr ? raised->address() : nullptr;
    std::uintptr_t base = 0;
    const std::string module = ModuleNameAt(address, base);
    const std::uintptr_t offset =
        address != nullptr ? reinterpret_cast<std::uintptr_t>(address) - base : 0;
    const std::string kind = raised != nullptr ? ErrorKindName(raised->kind()) : "Exception";
    const std::string text = StartupErrorText(kind, module, offset, error.what());
    MessageBoxA(nullptr, text.c_str(), kStartupErrorTitle, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    return 1;
}

int RunProgram(const WindowStart& windowStart, int showCommand) {
    const WindowProgramStart start = ClaimOrHandOver();
    if (start.outcome == WindowProgramStart::Outcome::HandedOver) {
        return 0;
    }
    if (start.outcome == WindowProgramStart::Outcome::NoAnswer) {
        return 1;
    }
    Win32Platform platform;
    // Outlives the windows: at the end it waits, with them gone from the
    // screen, for the desktop to be put back.
    std::unique_ptr<DesktopWorker> worker;
    try {
        worker = std::make_unique<DesktopWorker>();
    } catch (const std::exception& error) {
        return ShowStartupError(error);
    }
    Application application(ApplicationTitle(ModuleFileName(), SystemLowerCase));
    const ScopeGuard unmark([&application] { UnmarkWindowProgram(application.handle()); });
    // The first form is the main form; it makes the others when they are
    // first asked for.
    std::unique_ptr<MainWindow> mainWindow;
    try {
        mainWindow = std::make_unique<MainWindow>(application, platform.storage, platform.display,
                                                  platform.registry, *worker);
        application.AddForm(*mainWindow);
        MarkAsWindowProgram(application.handle());
    } catch (const std::exception& error) {
        return ShowStartupError(error);
    }
    if (windowStart.background) {
        application.RunInBackground();
    } else {
        application.Run(windowStart.minimized ? SW_SHOWMINNOACTIVE : showCommand);
    }
    return 0;
}

} // namespace
} // namespace vevove

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    // Whatever the program or the system loads from here on comes from the
    // system folder, never from the program's folder or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    vevove::WindowStart windowStart;
    if (const std::optional<int> exitCode = vevove::RunCommandLineIfGiven(windowStart)) {
        return *exitCode;
    }
    return vevove::RunProgram(windowStart, showCommand);
}
