#include "harness/CommandLineRun.h"

#include "harness/ProgramFolder.h"
#include "harness/ProgramWindows.h"

#include <chrono>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

// One end for the program, which it inherits, and one for the test.
struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;

    Pipe() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!CreatePipe(&read, &write, &inherit, 0)) {
            throw std::runtime_error("cannot make a pipe");
        }
        SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    }
    ~Pipe() {
        CloseWriteEnd();
        CloseHandle(read);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void CloseWriteEnd() {
        if (write != nullptr) {
            CloseHandle(write);
            write = nullptr;
        }
    }
};

// Everything up to the end of the pipe, which comes when the program's end of
// it is closed, at its exit at the latest.
void ReadAll(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        into.append(buffer, read);
    }
}

struct Look {
    DWORD processId;
    CommandLineRun* run;
};

BOOL CALLBACK LookAtWindow(HWND window, LPARAM parameter) {
    const auto& look = *reinterpret_cast<Look*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == look.processId) {
        look.run->windowClasses.insert(ClassName(window));
        look.run->windowVisible = look.run->windowVisible || IsWindowVisible(window) != FALSE;
    }
    return TRUE;
}

} // namespace

CommandLineRun RunVevove(const std::string& arguments, const CommandLineOptions& options) {
    const std::string path = FolderOfThisProgram() + "Vevove.exe";
    std::string commandLine = "\"" + path + "\" " + arguments;
    Pipe output;
    Pipe error;
    // Without pipes the handles are given as none at all: left out, they
    // would be the test program's own.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (options.pipes) {
        startup.hStdOutput = output.write;
        startup.hStdError = error.write;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, options.pipes, 0,
                        nullptr, nullptr, &startup, &info)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    output.CloseWriteEnd();
    error.CloseWriteEnd();
    CommandLineRun run;
    std::thread readOutput(ReadAll, output.read, std::ref(run.output));
    std::thread readError(ReadAll, error.read, std::ref(run.error));
    Look look{info.dwProcessId, &run};
    const auto deadline = std::chrono::steady_clock::now() + options.timeout;
    while (WaitForSingleObject(info.hProcess, 5) == WAIT_TIMEOUT &&
           std::chrono::steady_clock::now() < deadline) {
        EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&look));
    }
    DWORD code = 0;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(info.hProcess, &code)) {
        run.exitCode = code;
    } else {
        TerminateProcess(info.hProcess, 255);
        WaitForSingleObject(info.hProcess, 5000);
    }
    readOutput.join();
    readError.join();
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return run;
}

} // namespace e2e
