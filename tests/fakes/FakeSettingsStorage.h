// Settings files as plain state: the bytes of each file by its path, whether
// its date lets it load, and the folders that stand where a file could.
// Failures: "ReadAll", "WriteAll.Create", "WriteAll.Write".
#pragma once

#include "InjectedFailures.h"
#include "SettingsStorage.h"

#include <map>
#include <new>
#include <set>
#include <string>

namespace vevove::fake {

class FakeSettingsStorage : public SettingsStorage {
  public:
    struct File {
        std::string bytes;
        bool loadable = true;        // false: a last-write time without a DOS date
        bool tooLargeToHold = false; // its read runs out of memory
    };

    std::string commonDataFolder = "C:\\ProgramData";
    std::map<std::string, File> files;
    std::set<std::string> folders;
    // The absolute path that a failed create reports for a path given
    // otherwise; a path not listed is its own.
    std::map<std::string, std::string> fullPaths;
    InjectedFailures failures;

    std::string CommonDataFolder() override { return commonDataFolder; }

    // This code page holds ASCII alone: every other character of the UTF-8
    // path shows as a question mark.
    std::string ShownPath(const std::string& path) override {
        std::string shown;
        for (const char byte : path) {
            const auto code = static_cast<unsigned char>(byte);
            if (code < 0x80) {
                shown += byte;
            } else if (code >= 0xC0) {
                shown += '?';
            }
        }
        return shown;
    }

    bool IsLoadableFile(const std::string& path) override {
        const auto found = files.find(path);
        return found != files.end() && found->second.loadable;
    }

    // A read that fails may have filled `bytes` already: this one fills them
    // all, so that only the failure keeps them from being used.
    std::optional<SystemFailure> ReadAll(const std::string& path, std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return SystemFailure{kErrorFileNotFound, FakeSystemText(kErrorFileNotFound)};
        }
        if (found->second.tooLargeToHold) {
            throw std::bad_alloc();
        }
        bytes = found->second.bytes;
        return failures.Take("ReadAll");
    }

    // The file is replaced as a whole or not at all: a failure leaves the old
    // bytes, or no file where there was none. A write failure with code 0 is
    // a short write.
    std::optional<FileWriteFailure> WriteAll(const std::string& path,
                                             const std::string& bytes) override {
        std::optional<SystemFailure> failure = failures.Take("WriteAll.Create");
        if (!failure && folders.count(path) != 0) {
            failure = SystemFailure{kErrorAccessDenied, FakeSystemText(kErrorAccessDenied)};
        }
        if (failure) {
            const auto absolute = fullPaths.find(path);
            return FileWriteFailure{FileWriteFailure::Step::Create, *failure,
                                    absolute != fullPaths.end() ? absolute->second : path};
        }
        if (auto writeFailure = failures.Take("WriteAll.Write")) {
            return FileWriteFailure{FileWriteFailure::Step::Write, *writeFailure, {}};
        }
        files[path] = File{bytes};
        return std::nullopt;
    }
};

} // namespace vevove::fake
