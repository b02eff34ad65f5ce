// How long one resolution check takes when nothing is restored, against the
// simulated platform: against a baseline of the least any check must do, the
// two reads of the screen size, measured in the same run.
//
//   check_screen_bench [ITERATIONS]
#include "app/Unit1.h"
#include "tests/fakes/FakePlatform.h"

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
    vevove::fake::FakePlatform os;
    vevove::TForm1 form(os);
    form.Edit1 = os.windows.create("1024");
    form.Edit2 = os.windows.create("768");
    form.CheckBox1 = os.windows.create("Auto", true);
    form.SavedWidth = 1024;
    form.SavedHeight = 768;

    volatile int sink = 0;
    const double baseline = NanosecondsPerCall(iterations, [&] {
        sink = os.systemMetrics(vevove::kSmCyScreen) + os.systemMetrics(vevove::kSmCxScreen);
        os.calls.clearLog();
    });
    const double check = NanosecondsPerCall(iterations, [&] {
        form.CheckScreen();
        os.calls.clearLog();
    });
    std::printf("check_screen_ns %.1f\n", check);
    std::printf("screen_size_reads_ns %.1f\n", baseline);
    std::printf("ratio %.2f\n", check / baseline);
    return form.ResolutionMismatch ? 1 : 0;
}
