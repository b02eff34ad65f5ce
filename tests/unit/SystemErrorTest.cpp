#include "ErrorThrownBy.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace vevove {
namespace {

TEST(TrimmedSystemText, DropsTrailingBlanksLineBreaksAndFullStops) {
    const struct {
        const char* system;
        const char* trimmed;
    } cases[] = {
        {"Access is denied.\r\n", "Access is denied"},
        {"Text.  \r\n", "Text"},
        {"Text...\r\n.\r\n", "Text"},
        {"Ende. . .", "Ende"},
        {"Ende\t\x01\x1F", "Ende"},
        {"a.b.\r\n", "a.b"},
        {"Text, ", "Text,"},
        {"Fehler\xA0", "Fehler\xA0"}, // bytes above 0x7F are no blanks
        {"Fehler!", "Fehler!"},
        {" . \r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.system);
        EXPECT_EQ(TrimmedSystemText(c.system), c.trimmed);
    }
}

TEST(RaiseSystemError, CarriesTheCodeAndItsText) {
    const Error error = ErrorThrownBy([] {
        RaiseSystemError(SystemFailure{5, "Zugriff verweigert"});
    });
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), 5u);
    EXPECT_STREQ(error.what(), "Systemfehler.  Code: 5.\r\nZugriff verweigert");

    EXPECT_STREQ(ErrorThrownBy([] {
                     RaiseSystemError(SystemFailure{0xDEAD, ""});
                 }).what(),
                 "Systemfehler.  Code: 57005.\r\n");

    // The code is printed as a signed number.
    EXPECT_STREQ(ErrorThrownBy([] {
                     RaiseSystemError(SystemFailure{0x80070005, ""});
                 }).what(),
                 "Systemfehler.  Code: -2147024891.\r\n");
}

TEST(RaiseSystemError, WithoutACodeSaysOnlyThatACallFailed) {
    const Error error = ErrorThrownBy([] { RaiseSystemError(SystemFailure{0, "ignored"}); });
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), 0u);
    EXPECT_STREQ(error.what(), "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen");
}

} // namespace
} // namespace vevove
