#include "harness/DebugOutput.h"

#include <cstring>
#include <stdexcept>

namespace e2e {

namespace {

// A block of the buffer: the writer's process id, then its text.
constexpr DWORD kBufferSize = 4096;

} // namespace

DebugOutput::DebugOutput() {
    mutex_ = CreateMutexW(nullptr, FALSE, L"DBWinMutex");
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize,
                                  L"DBWIN_BUFFER");
    const bool another = GetLastError() == ERROR_ALREADY_EXISTS;
    bufferReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
    dataReady_ = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
    view_ = mapping_ != nullptr
                ? static_cast<const char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0))
                : nullptr;
    if (another || view_ == nullptr || bufferReady_ == nullptr || dataReady_ == nullptr) {
        this->~DebugOutput();
        throw std::runtime_error("the debug output cannot be read");
    }
    reader_ = std::thread([this] { Read(); });
}

DebugOutput::~DebugOutput() {
    ending_ = true;
    if (reader_.joinable()) {
        reader_.join();
    }
    if (view_ != nullptr) {
        UnmapViewOfFile(view_);
    }
    for (HANDLE handle : {dataReady_, bufferReady_, mapping_, mutex_}) {
        if (handle != nullptr) {
            CloseHandle(handle);
        }
    }
}

// Each line: the buffer is offered, a writer fills it and says so.
void DebugOutput::Read() {
    while (!ending_) {
        SetEvent(bufferReady_);
        if (WaitForSingleObject(dataReady_, 100) != WAIT_OBJECT_0) {
            continue;
        }
        DWORD processId = 0;
        std::memcpy(&processId, view_, sizeof processId);
        const char* text = view_ + sizeof processId;
        const std::string line(text, strnlen(text, kBufferSize - sizeof processId));
        const std::lock_guard<std::mutex> held(lock_);
        lines_ += std::to_string(processId) + "\t" + line;
        if (line.empty() || line.back() != '\n') {
            lines_ += "\n";
        }
    }
}

std::string DebugOutput::LinesOf(DWORD processId) const {
    const std::string head = std::to_string(processId) + "\t";
    std::string lines;
    const std::lock_guard<std::mutex> held(lock_);
    for (std::size_t at = 0; at < lines_.size();) {
        const std::size_t end = lines_.find('\n', at);
        if (lines_.compare(at, head.size(), head) == 0) {
            lines += lines_.substr(at + head.size(), end - at - head.size() + 1);
        }
        at = end + 1;
    }
    return lines;
}

} // namespace e2e
