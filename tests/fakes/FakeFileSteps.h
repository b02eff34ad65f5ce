// The file system's steps of a replacement as plain state: each file's bytes
// and identity (what its permissions go with). Failures: "Replace" (with
// code kUnableToMoveReplacementAside the old file is moved aside first, as
// ReplaceFile leaves it), "Move", "Read", "Write.Open" (the file untouched)
// and "Write" (half of the bytes written).
#pragma once

#include "FileReplacement.h"
#include "InjectedFailures.h"

#include <map>
#include <string>

namespace vevove::fake {

class FakeFileSteps : public FileSteps {
  public:
    struct File {
        std::string bytes;
        int identity = 0;
    };
    std::map<std::string, File> files;
    InjectedFailures failures;

    std::optional<SystemFailure> Replace(const std::string& target, const std::string& replacement,
                                         const std::string& backup) override {
        if (std::optional<SystemFailure> failure = failures.Take("Replace")) {
            if (failure->code == kUnableToMoveReplacementAside) {
                files[backup] = files.at(target);
                files.erase(target);
            }
            return failure;
        }
        File old = files.at(target);
        files[target] = {files.at(replacement).bytes, old.identity};
        files[backup] = {old.bytes, ++lastIdentity_};
        files.erase(replacement);
        return std::nullopt;
    }

    std::optional<SystemFailure> Move(const std::string& from, const std::string& to) override {
        if (std::optional<SystemFailure> failure = failures.Take("Move")) {
            return failure;
        }
        if (files.count(to) != 0 || files.count(from) == 0) {
            return SystemFailure{kErrorAccessDenied, FakeSystemText(kErrorAccessDenied)};
        }
        files[to] = files.at(from);
        files.erase(from);
        return std::nullopt;
    }

    std::optional<SystemFailure> Write(const std::string& path, const std::string& bytes) override {
        if (std::optional<SystemFailure> failure = failures.Take("Write.Open")) {
            return failure;
        }
        File& file = files[path];
        if (file.identity == 0) {
            file.identity = ++lastIdentity_;
        }
        if (std::optional<SystemFailure> failure = failures.Take("Write")) {
            file.bytes = bytes.substr(0, bytes.size() / 2);
            return failure;
        }
        file.bytes = bytes;
        return std::nullopt;
    }

    std::optional<SystemFailure> Read(const std::string& path, std::string& bytes) override {
        if (std::optional<SystemFailure> failure = failures.Take("Read")) {
            return failure;
        }
        const auto found = files.find(path);
        if (found == files.end()) {
            return SystemFailure{kErrorFileNotFound, FakeSystemText(kErrorFileNotFound)};
        }
        bytes = found->second.bytes;
        return std::nullopt;
    }

    void Delete(const std::string& path) override { files.erase(path); }
    void Pause() override {}

  private:
    int lastIdentity_ = 100;
};

} // namespace vevove::fake
