#include "app/ApplicationTitle.h"
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

namespace vevove::fake {
namespace {

TEST(ApplicationTitle, TheFileNameUpToItsFirstFullStopCapitalisedOnlyAtTheStart) {
    const struct {
        const char* module;
        const char* title;
    } cases[] = {
        {"C:\\Program Files\\Vevove\\Vevove.exe", "Vevove"},
        {"C:\\Tools\\VEVOVE.EXE", "Vevove"},
        {"C:\\Tools\\Vevove.new.exe", "Vevove"},
        {"C:\\Tools\\vEVOVE.exe", "vevove"},
        {"C:\\Tools.v2\\Vevove", "Vevove"},
        {"VEVOVE.EXE", "Vevove"},
        {"VEVOVE", "Vevove"},
        {"C:\\Tools\\V.exe", "V"},
        {"C:\\Tools\\.exe", ""},
        {"C:\\Tools\\", ""},
        {"C:\\Tools\\\xC4RGER.EXE", "\xC4rger"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        FakePlatform os;
        os.modulePath = c.module;
        EXPECT_EQ(ApplicationTitle(os), c.title);
    }
}

} // namespace
} // namespace vevove::fake
