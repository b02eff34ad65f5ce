// Loads a million generated settings files, under the sanitizers, and checks
// after each that loading did not throw and did exactly what the file asks,
// no more: the boxes only take line 1 or line 2, "Auto" only gets checked, the
// stored size only takes the low 16 bits of a valid line's number. Some loads
// meet a hindrance (a read that fails, a date without a DOS date) and must
// change nothing at all; without a data folder the file is looked for in the
// root of the current drive.
//
// With one input in four it also saves two drawn box texts, and checks that the file
// holds exactly the three lines and that the stored size is what the same
// independent load gives for that file from nothing; a save whose write fails
// must leave the old file and the stored size as they were.
//
// Usage: settings_robustness [count [seed [first index]]]
#include "Errors.h"
#include "FakeDisplay.h"
#include "FakeResolutionBoxes.h"
#include "FakeSettingsStorage.h"
#include "FakeUserRegistry.h"
#include "LoadSettings.h"
#include "ReferenceLoad.h"
#include "ResolutionCommands.h"
#include "SettingsFileInputs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vevove::robustness {
namespace {

using fake::FakeDisplay;
using fake::FakeResolutionBoxes;
using fake::FakeSettingsStorage;
using fake::FakeUserRegistry;

constexpr const char* kSettingsPath = "C:\\ProgramData\\ScrDef.ini";
// Saves are checked with one input in this many, which keeps the whole run
// near its time of loads alone.
constexpr std::uint64_t kSaveEvery = 4;

enum class Hindrance { None, ReadFails, NoDosDate, NoFolder };

Hindrance DrawHindrance(Random& random) {
    if (!random.percent(10)) {
        return Hindrance::None;
    }
    return static_cast<Hindrance>(1 + random.below(3));
}

// Puts the file where loading looks for it, with the hindrance in its way.
// False when the hindrance keeps the file from being read.
bool PlaceFile(FakeSettingsStorage& storage, const std::string& file, Hindrance hindrance) {
    switch (hindrance) {
    case Hindrance::None:
        break;
    case Hindrance::ReadFails:
        storage.failures.FailNext("ReadAll", fake::kErrorAccessDenied);
        break;
    case Hindrance::NoDosDate:
        storage.files[kSettingsPath] = {file, false};
        return false;
    case Hindrance::NoFolder:
        storage.commonDataFolder.clear();
        storage.files["\\ScrDef.ini"] = {file};
        return true;
    }
    storage.files[kSettingsPath] = {file};
    return hindrance == Hindrance::None;
}

LoadedState DrawStartState(Random& random) {
    LoadedState state;
    state.widthText = random.percent(50) ? "" : "640";
    state.heightText = random.percent(50) ? "" : "480";
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

std::string Shown(const LoadedState& state) {
    return "width \"" + Shown(state.widthText) + "\", height \"" + Shown(state.heightText) +
           "\", Auto " + (state.autoChecked ? "checked" : "unchecked") + ", saved " +
           std::to_string(state.savedWidth) + " x " + std::to_string(state.savedHeight);
}

// Loads one input over a drawn start state; returns what went wrong, or nothing.
std::vector<std::string> CheckOneLoad(std::uint64_t seed, std::uint64_t index) {
    const std::string file = SettingsFileInput(seed, index);
    Random random(~(seed + index));
    const Hindrance hindrance = DrawHindrance(random);
    const LoadedState before = DrawStartState(random);

    FakeSettingsStorage storage;
    FakeDisplay display;
    FakeResolutionBoxes boxes;
    const bool readable = PlaceFile(storage, file, hindrance);
    boxes.width = before.widthText;
    boxes.height = before.heightText;
    boxes.autoChecked = before.autoChecked;
    FakeUserRegistry registry;
    Resolution resolution{storage, display, boxes, registry, {}};
    resolution.state.savedWidth = before.savedWidth;
    resolution.state.savedHeight = before.savedHeight;

    std::vector<std::string> problems;
    try {
        LoadSettings(resolution);
    } catch (...) {
        problems.push_back("an exception left the load");
    }

    const LoadedState expected = readable ? ReferenceLoad(before, file) : before;
    const LoadedState after{boxes.width, boxes.height, boxes.autoChecked,
                            resolution.state.savedWidth, resolution.state.savedHeight};
    if (!(after == expected)) {
        problems.push_back("expected " + Shown(expected) + "\n    got " + Shown(after));
    }
    if (storage.failures.Fired("ReadAll") != (hindrance == Hindrance::ReadFails)) {
        problems.push_back("the injected read failure fired in the wrong case");
    }
    if (!problems.empty()) {
        problems.insert(problems.begin(), "input " + std::to_string(index) + " \"" + Shown(file) +
                                              "\", start " + Shown(before));
    }
    return problems;
}

// Saves two drawn box texts over a drawn stored size and an old file; returns
// what went wrong, or nothing.
std::vector<std::string> CheckOneSave(std::uint64_t seed, std::uint64_t index) {
    Random random(seed * 0x9E3779B97F4A7C15u ^ ~index);
    FakeSettingsStorage storage;
    FakeDisplay display;
    FakeResolutionBoxes boxes;
    boxes.width = BoxTextInput(random);
    boxes.height = BoxTextInput(random);
    boxes.autoChecked = random.percent(50);
    const LoadedState before = DrawStartState(random);
    FakeUserRegistry registry;
    Resolution resolution{storage, display, boxes, registry, {}};
    resolution.state.settingsPath = kSettingsPath;
    resolution.state.savedWidth = before.savedWidth;
    resolution.state.savedHeight = before.savedHeight;
    const std::string oldFile = "640\r\n480\r\nmanual\r\n";
    storage.files[kSettingsPath] = {oldFile};
    const bool writeFails = random.percent(10);
    if (writeFails) {
        storage.failures.FailNext("WriteAll.Write", fake::kErrorDiskFull);
    }

    std::vector<std::string> problems;
    bool threw = false;
    try {
        SaveResolution(resolution);
    } catch (const Error&) {
        threw = true;
    }
    const std::string written = boxes.width + "\r\n" + boxes.height + "\r\n" +
                                (boxes.autoChecked ? "auto" : "manual") + "\r\n";
    const LoadedState expected = writeFails ? before : ReferenceLoad(LoadedState{}, written);
    if (threw != writeFails || storage.failures.Fired("WriteAll.Write") != writeFails) {
        problems.push_back("the save reported an error in the wrong case");
    }
    if (storage.files[kSettingsPath].bytes != (writeFails ? oldFile : written)) {
        problems.push_back("the file holds \"" + Shown(storage.files[kSettingsPath].bytes) + "\"");
    }
    if (resolution.state.savedWidth != expected.savedWidth ||
        resolution.state.savedHeight != expected.savedHeight) {
        problems.push_back("expected stored " + std::to_string(expected.savedWidth) + " x " +
                           std::to_string(expected.savedHeight) + ", got " +
                           std::to_string(resolution.state.savedWidth) + " x " +
                           std::to_string(resolution.state.savedHeight));
    }
    if (!problems.empty()) {
        problems.insert(problems.begin(), "save " + std::to_string(index) + " of \"" +
                                              Shown(boxes.width) + "\" / \"" + Shown(boxes.height) +
                                              "\"");
    }
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
    int failures = 0;
    std::uint64_t loaded = 0;
    for (std::uint64_t index = first; index < first + count && failures < 10; ++index, ++loaded) {
        std::vector<std::string> problems = CheckOneLoad(seed, index);
        if (index % kSaveEvery == 0) {
            const std::vector<std::string> saveProblems = CheckOneSave(seed, index);
            problems.insert(problems.end(), saveProblems.begin(), saveProblems.end());
        }
        for (const std::string& problem : problems) {
            std::printf("%s\n", problem.c_str());
        }
        failures += problems.empty() ? 0 : 1;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%llu settings files from seed %llu loaded and saved in %.1f s, %d failed\n",
                static_cast<unsigned long long>(loaded), static_cast<unsigned long long>(seed),
                elapsed.count(), failures);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
