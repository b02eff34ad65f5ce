#include "harness/RecordingBrowser.h"

#include "harness/ProgramFolder.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

const char* const kHttpCommand = "http\\shell\\open\\command";
const char* const kHttpsCommand = "https\\shell\\open\\command";
// Time for a recorder started by mistake to write its line.
constexpr Milliseconds kSettleTime{1500};

std::string ReadCommand(const char* key) {
    char value[1024] = {};
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

bool WriteCommand(const char* key, const std::string& command) {
    return RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, command.c_str(),
                        static_cast<DWORD>(command.size())) == ERROR_SUCCESS;
}

} // namespace

RecordingBrowser::RecordingBrowser(Kind kind)
    : recordFile_(FolderOfThisProgram() + "opened-addresses.txt"),
      savedHttp_(ReadCommand(kHttpCommand)), savedHttps_(ReadCommand(kHttpsCommand)) {
    DeleteFileA(recordFile_.c_str());
    const std::string program =
        FolderOfThisProgram() + (kind == Kind::Recorder ? "AddressRecorder.exe" : "NoBrowser.exe");
    const std::string command = "\"" + program + "\" \"" + recordFile_ + "\" \"%1\"";
    if (!WriteCommand(kHttpCommand, command) || !WriteCommand(kHttpsCommand, command)) {
        throw std::runtime_error("cannot set the open command of http and https addresses");
    }
}

RecordingBrowser::~RecordingBrowser() {
    WriteCommand(kHttpCommand, savedHttp_);
    WriteCommand(kHttpsCommand, savedHttps_);
    DeleteFileA(recordFile_.c_str());
}

std::vector<std::string> RecordingBrowser::Opened() const {
    std::vector<std::string> opened;
    std::ifstream record(recordFile_);
    for (std::string line; std::getline(record, line);) {
        opened.push_back(line);
    }
    return opened;
}

std::vector<std::string> RecordingBrowser::WaitForOpened(std::size_t count,
                                                         Milliseconds timeout) const {
    WaitUntil([&] { return Opened().size() >= count; }, timeout);
    std::this_thread::sleep_for(kSettleTime);
    return Opened();
}

} // namespace e2e
