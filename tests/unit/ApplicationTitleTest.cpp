#include "ApplicationTitle.h"

#include <gtest/gtest.h>

#include <string>

namespace vevove {
namespace {

// The system's lower case as far as these names need it: A to Z.
std::string AsciiLowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

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
        {"", ""},
        {"C:\\Tools\\\xC4RGER.EXE", "\xC4rger"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        EXPECT_EQ(ApplicationTitle(c.module, AsciiLowerCase), c.title);
    }
}

} // namespace
} // namespace vevove
