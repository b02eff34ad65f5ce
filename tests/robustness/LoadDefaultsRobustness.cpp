// Loads a million generated settings files, under the sanitizers, and checks
// after each that loading neither threw nor left anything open, and did to
// the window exactly what the file asks, no more: boxes only take line 1 or
// line 2, "Auto" only gets checked, the saved values only take the low 16
// bits of a valid line's number. Some loads meet a failure (a file locked by
// another process, a read that fails, a date out of range) and must change
// nothing at all.
//
// Usage: loaddefaults_robustness [count [seed [first index]]]
#include "app/Unit1.h"
#include "tests/fakes/FakePlatform.h"
#include "tests/robustness/ReferenceLoad.h"
#include "tests/robustness/SettingsFileInputs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vevove::robustness {
namespace {

using fake::FakePlatform;

constexpr const char* kSettingsPath = "C:\\ProgramData\\ScrDef.ini";

enum class Hindrance { None, LockedByWriter, ReadFails, DateOutOfRange, CreateFails, NoFolder };

Hindrance DrawHindrance(Random& random) {
    if (!random.percent(10)) {
        return Hindrance::None;
    }
    return static_cast<Hindrance>(1 + random.below(5));
}

// Puts the file where loading looks for it, with the hindrance in its way.
// False when the hindrance keeps the file from being read.
bool PlaceFile(FakePlatform& os, const std::string& file, Hindrance hindrance) {
    switch (hindrance) {
    case Hindrance::None:
        break;
    case Hindrance::LockedByWriter:
        os.files.addFile(kSettingsPath, file);
        os.files.openElsewhere(kSettingsPath, kGenericWrite,
                               kFileShareRead | fake::kFileShareWrite);
        return false;
    case Hindrance::ReadFails:
        os.calls.failNext("ReadFile", fake::kErrorAccessDenied, file.empty() ? 0 : 1);
        break;
    case Hindrance::DateOutOfRange:
        os.files.addFile(kSettingsPath, file, fake::MakeFileTime(1979, 12, 31, 23, 59, 59));
        return false;
    case Hindrance::CreateFails:
        os.calls.failNext("CreateFileA", fake::kErrorSharingViolation);
        break;
    case Hindrance::NoFolder: // the file is then looked for in the root
        os.shell.setLocationError(35, fake::kHresultFail);
        os.files.addFile("C:\\ScrDef.ini", file);
        return true;
    }
    os.files.addFile(kSettingsPath, file);
    return hindrance == Hindrance::None;
}

WindowState DrawStartState(Random& random) {
    WindowState state;
    state.edit1 = random.percent(50) ? "" : "640";
    state.edit2 = random.percent(50) ? "" : "480";
    state.autoChecked = random.percent(30);
    state.savedWidth = static_cast<std::uint16_t>(random.percent(50) ? 0 : random.below(65536));
    state.savedHeight = static_cast<std::uint16_t>(random.percent(50) ? 0 : random.below(65536));
    return state;
}

std::string Shown(const std::string& bytes) {
    std::string shown;
    for (std::size_t i = 0; i < bytes.size() && i < 120; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 || c > 0x7E) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown + (bytes.size() > 120 ? "... (" + std::to_string(bytes.size()) + " bytes)" : "");
}

std::string Shown(const WindowState& state) {
    return "Edit1 \"" + Shown(state.edit1) + "\", Edit2 \"" + Shown(state.edit2) + "\", Auto " +
           (state.autoChecked ? "checked" : "unchecked") + ", saved " +
           std::to_string(state.savedWidth) + " x " + std::to_string(state.savedHeight);
}

// Loads one input into a window on `os`, which is left as it was found;
// returns what went wrong, or nothing.
std::vector<std::string> CheckOneLoad(FakePlatform& os, std::uint64_t seed, std::uint64_t index) {
    const std::string file = SettingsFileInput(seed, index);
    Random random(~(seed + index));
    const Hindrance hindrance = DrawHindrance(random);
    const WindowState before = DrawStartState(random);

    const bool readable = PlaceFile(os, file, hindrance);
    TForm1 form(os);
    form.Edit1 = os.windows.create(before.edit1);
    form.Edit2 = os.windows.create(before.edit2);
    form.CheckBox1 = os.windows.create("Auto", before.autoChecked);
    form.SavedWidth = before.savedWidth;
    form.SavedHeight = before.savedHeight;

    std::vector<std::string> problems;
    try {
        form.LoadDefaults();
    } catch (...) {
        problems.push_back("an exception left LoadDefaults");
    }

    const WindowState expected = readable ? ReferenceLoad(before, file) : before;
    const WindowState after{os.windows.text(form.Edit1), os.windows.text(form.Edit2),
                            os.windows.checked(form.CheckBox1), form.SavedWidth, form.SavedHeight};
    if (!(after == expected)) {
        problems.push_back("expected " + Shown(expected) + "\n    got " + Shown(after));
    }
    for (const bool checked : os.windows.checksSet(form.CheckBox1)) {
        if (!checked) {
            problems.push_back("Auto was unchecked");
        }
    }
    if (os.windows.textsSet(form.Edit1).size() > 1 || os.windows.textsSet(form.Edit2).size() > 1) {
        problems.push_back("a box was set more than once");
    }
    for (const std::string& handle : os.handles.openHandles()) {
        problems.push_back("left open: " + handle);
    }
    for (const std::string& misuse : os.handles.misuses()) {
        problems.push_back(misuse);
    }
    if (os.shell.liveLists() != 0 || os.shell.badFrees() != 0) {
        problems.push_back("the folder's item list was not freed exactly once");
    }
    if (!problems.empty()) {
        problems.insert(problems.begin(), "input " + std::to_string(index) + " \"" + Shown(file) +
                                              "\", start " + Shown(before));
    }

    for (const WindowHandle window : {form.Edit1, form.Edit2, form.CheckBox1}) {
        os.windows.destroy(window);
    }
    os.shell.setPath(35, "C:\\ProgramData");
    os.calls.clearFailures();
    os.calls.clearLog();
    os.lastError = 0;
    return problems;
}

} // namespace
} // namespace vevove::robustness

int main(int argc, char** argv) {
    using namespace vevove::robustness;
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 19800101;
    const std::uint64_t first = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 0;

    const auto start = std::chrono::steady_clock::now();
    FakePlatform os;
    int failures = 0;
    std::uint64_t loaded = 0;
    for (std::uint64_t index = first; index < first + count && failures < 10; ++index, ++loaded) {
        const std::vector<std::string> problems = CheckOneLoad(os, seed, index);
        for (const std::string& problem : problems) {
            std::printf("%s\n", problem.c_str());
        }
        failures += problems.empty() ? 0 : 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%llu settings files from seed %llu loaded in %.1f s, %d failed\n",
                static_cast<unsigned long long>(loaded), static_cast<unsigned long long>(seed),
                elapsed.count(), failures);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
