#include "harness/VevoveProcess.h"

#include "harness/ProgramFolder.h"

#include <stdexcept>
#include <string>

namespace e2e {

std::string CopyFolder() {
    return TemporaryFolder("vevove-e2e-copy");
}

namespace {

// A copy in a folder of its own: file names are not case-sensitive, so a copy
// named VEVOVE.EXE beside Vevove.exe would be Vevove.exe itself.
std::string CopyUnderName(const std::string& original, const std::string& fileName) {
    const std::string copy = CopyFolder() + fileName;
    if (!CopyFileA(original.c_str(), copy.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + original + " to " + copy);
    }
    return copy;
}

} // namespace

VevoveProcess::VevoveProcess(const Options& options) {
    std::string path = FolderOfThisProgram() + "Vevove.exe";
    if (!options.fileName.empty()) {
        path = CopyUnderName(path, options.fileName);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = options.showCommand;
    std::string commandLine = "\"" + path + "\"";
    if (!options.arguments.empty()) {
        commandLine += " " + options.arguments;
    }
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start " + path + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

VevoveProcess::~VevoveProcess() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 255);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<DWORD> VevoveProcess::waitForExit(Milliseconds timeout) const {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

} // namespace e2e
