#include "Console.h"

#include "CodePages.h"

namespace vevove {

namespace {

// A handle that the caller gave: a file, a pipe, the null device or a
// console; a program of the window subsystem started without any has none.
bool IsGiven(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != FALSE;
}

// The caller gave no handle for a stream, or one that is a console of which
// we are no part yet (a console handle answers GetConsoleMode only then).
bool NeedsCallersConsole(HANDLE handle) {
    return !IsGiven(handle) || (GetFileType(handle) == FILE_TYPE_CHAR && !IsConsole(handle));
}

void WriteBytes(HANDLE handle, const std::string& text) {
    const char* next = text.data();
    DWORD left = static_cast<DWORD>(text.size());
    DWORD written = 0;
    while (left > 0 && WriteFile(handle, next, left, &written, nullptr) && written > 0) {
        next += written;
        left -= written;
    }
}

// A console shows characters, not the bytes of a code page: the text goes
// there converted from the ANSI code page, so that "\xFC" shows as u umlaut
// whatever the console's own code page is.
void WriteCharacters(HANDLE handle, const std::string& text) {
    if (text.empty()) {
        return;
    }
    const WideText characters = WideFromCodePage(CP_ACP, text);
    const wchar_t* next = characters.data();
    DWORD left = static_cast<DWORD>(characters.size());
    DWORD written = 0;
    while (left > 0 && WriteConsoleW(handle, next, left, &written, nullptr) && written > 0) {
        next += written;
        left -= written;
    }
}

} // namespace

// The handles are taken as the caller gave them, before attaching: once
// attached, the system may put the console's own in their place.
ConsoleOutput::ConsoleOutput() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (NeedsCallersConsole(output) || NeedsCallersConsole(error)) {
        attached_ = AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    }
    if (attached_) {
        callersConsole_.emplace(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    }
    output_ = StreamFor(output);
    error_ = StreamFor(error);
}

ConsoleOutput::~ConsoleOutput() {
    callersConsole_.reset();
    if (attached_) {
        FreeConsole();
    }
}

ConsoleOutput::Stream ConsoleOutput::StreamFor(HANDLE given) {
    if (IsGiven(given)) {
        return Stream{given, IsConsole(given)};
    }
    if (callersConsole_ && callersConsole_->valid()) {
        return Stream{callersConsole_->get(), true};
    }
    return Stream{};
}

void ConsoleOutput::WriteOutput(const std::string& text) {
    Write(output_, text);
}

void ConsoleOutput::WriteError(const std::string& text) {
    Write(error_, text);
}

void ConsoleOutput::Write(const Stream& stream, const std::string& text) {
    if (stream.handle == nullptr) {
        return;
    }
    if (stream.console) {
        WriteCharacters(stream.handle, text);
    } else {
        WriteBytes(stream.handle, text);
    }
}

} // namespace vevove
