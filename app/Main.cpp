// The program's entry: the application object and its three forms, the
// message loop, and the box for an error that escapes before the loop runs.
#include "app/Application.h"
#include "app/ApplicationTitle.h"
#include "app/ErrorText.h"
#include "app/Errors.h"
#include "app/FreewareWindow.h"
#include "app/MainWindow.h"
#include "app/Unit2.h"
#include "platform/Win32Platform.h"

#include <windows.h>

#include <objbase.h>

#include <memory>

namespace vevove {
namespace {

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

int RunProgram(int showCommand) {
    Win32Platform os;
    Application application(ApplicationTitle(os));
    const bool comInitialized = SUCCEEDED(CoInitialize(nullptr));
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<TFormFreeware> formFreeware;
    std::unique_ptr<TForm2> form2;
    try {
        form1 = std::make_unique<TForm1>(os);
        mainWindow = std::make_unique<MainWindow>(application, *form1);
        application.AddForm(*mainWindow);
        formFreeware = std::make_unique<TFormFreeware>(application);
        application.AddForm(*formFreeware);
        form2 = std::make_unique<TForm2>(application);
        application.AddForm(*form2);
        mainWindow->SetOtherForms(*form2, *formFreeware);
    } catch (const std::exception& error) {
        if (comInitialized) {
            CoUninitialize();
        }
        return ShowStartupError(error);
    }
    application.Run(showCommand);
    form2.reset();
    formFreeware.reset();
    mainWindow.reset();
    if (comInitialized) {
        CoUninitialize();
    }
    return 0;
}

} // namespace
} // namespace vevove

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    return vevove::RunProgram(showCommand);
}
