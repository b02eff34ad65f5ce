// How long one resolution check takes when nothing is restored, against the
// fakes: against a baseline of the least any check must do, the read of the
// screen size, measured in the same run.
//
//   check_screen_bench [ITERATIONS]
#include "FakeDisplay.h"
#include "FakeResolutionBoxes.h"
#include "FakeSettingsStorage.h"
#include "FakeUserRegistry.h"
#include "ResolutionCommands.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

template <typename Action> double NanosecondsPerCall(long iterations, Action action) {
    const Clock::time_point start = Clock::now();
    for (long i = 0; i < iterations; ++i) {
        action();
    }
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / static_cast<double>(iterations);
}

} // namespace

int main(int argc, char** argv) {
    const long iterations = argc > 1 ? std::atol(argv[1]) : 200000;
    vevove::fake::FakeSettingsStorage storage;
    vevove::fake::FakeDisplay display;
    vevove::fake::FakeResolutionBoxes boxes;
    boxes.width = "1024";
    boxes.height = "768";
    boxes.autoChecked = true;
    vevove::fake::FakeUserRegistry registry;
    vevove::Resolution resolution{storage, display, boxes, registry, {}};
    resolution.state.savedWidth = 1024;
    resolution.state.savedHeight = 768;

    // Through the interface, as the check reads it.
    vevove::Display& screen = display;
    volatile int sink = 0;
    const double baseline = NanosecondsPerCall(iterations, [&] {
        const vevove::ScreenSize size = screen.CurrentSize();
        sink = size.width + size.height;
    });
    const double check = NanosecondsPerCall(iterations, [&] { vevove::CheckScreen(resolution); });
    std::printf("check_screen_ns %.1f\n", check);
    std::printf("screen_size_reads_ns %.1f\n", baseline);
    std::printf("ratio %.2f\n", check / baseline);
    // A restore would have measured a mode change, not the check.
    return display.changes.empty() ? 0 : 1;
}
