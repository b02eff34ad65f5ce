// The browser of the test's Wine prefix replaced by AddressRecorder.exe (built
// beside the tests): while an instance lives, the shell's "open" of an http or
// https address starts the recorder, which writes the address to a file.
#pragma once

#include "harness/Wait.h"

#include <string>
#include <vector>

namespace e2e {

class RecordingBrowser {
  public:
    enum class Kind { Recorder, Missing };

    // Missing: the addresses' open command names a program that does not
    // exist, so no browser starts.
    explicit RecordingBrowser(Kind kind = Kind::Recorder);
    // Puts the commands found before back.
    ~RecordingBrowser();

    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    // The addresses opened so far, in order.
    std::vector<std::string> Opened() const;

    // Waits until `count` addresses have been opened, then a little longer
    // so that one opened by mistake after them would show up too.
    std::vector<std::string> WaitForOpened(std::size_t count,
                                           Milliseconds timeout = kTimeout) const;

  private:
    std::string recordFile_;
    std::string savedHttp_;
    std::string savedHttps_;
};

} // namespace e2e
