#include "app/Errors.h"
#include "tests/fakes/FakePlatform.h"
#include "tests/unit/ErrorThrownBy.h"

#include <gtest/gtest.h>

#include <string>

namespace vevove::fake {
namespace {

TEST(SystemErrorText, DropsTrailingBlanksLineBreaksAndFullStops) {
    FakePlatform os;
    EXPECT_EQ(SystemErrorText(os, kErrorAccessDenied), "Access is denied");

    const struct {
        const char* system;
        const char* trimmed;
    } cases[] = {
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
        os.messages.set(1000, c.system);
        EXPECT_EQ(SystemErrorText(os, 1000), c.trimmed);
    }
}

TEST(SystemErrorText, EmptyWhenTheSystemHasNoTextOrItDoesNotFit) {
    FakePlatform os;
    EXPECT_EQ(SystemErrorText(os, 0xDEAD), "");

    // The text goes through a buffer of 256 characters, its NUL included.
    os.messages.set(1000, std::string(255, 'w'));
    EXPECT_EQ(SystemErrorText(os, 1000), std::string(255, 'w'));
    os.messages.set(1000, std::string(256, 'w'));
    EXPECT_EQ(SystemErrorText(os, 1000), "");

    os.calls.failNext("FormatMessageA", kErrorInvalidParameter);
    EXPECT_EQ(SystemErrorText(os, kErrorAccessDenied), "");
}

TEST(RaiseLastSystemError, CarriesTheCodeAndItsText) {
    FakePlatform os;
    os.lastError = kErrorAccessDenied;
    const Error error = ErrorThrownBy([&] { RaiseLastSystemError(os); });
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), kErrorAccessDenied);
    EXPECT_STREQ(error.what(), "Systemfehler.  Code: 5.\r\nAccess is denied");

    os.lastError = 0xDEAD;
    EXPECT_STREQ(ErrorThrownBy([&] { RaiseLastSystemError(os); }).what(),
                 "Systemfehler.  Code: 57005.\r\n");

    // The code is printed as a signed number.
    os.lastError = 0x80070005;
    EXPECT_STREQ(ErrorThrownBy([&] { RaiseLastSystemError(os); }).what(),
                 "Systemfehler.  Code: -2147024891.\r\n");
}

TEST(RaiseLastSystemError, WithoutACodeSaysOnlyThatACallFailed) {
    FakePlatform os;
    const Error error = ErrorThrownBy([&] { RaiseLastSystemError(os); });
    EXPECT_EQ(error.kind(), ErrorKind::System);
    EXPECT_EQ(error.systemCode(), 0u);
    EXPECT_STREQ(error.what(), "Ein Aufruf einer Betriebssystemfunktion ist fehlgeschlagen");
}

TEST(CheckSystemCall, PassesSuccessThroughAndRaisesOnZero) {
    FakePlatform os;
    os.lastError = kErrorInvalidHandle;
    EXPECT_EQ(CheckSystemCall(os, 42), 42);
    EXPECT_EQ(CheckSystemCall(os, Handle{0x104}), Handle{0x104});
    EXPECT_EQ(os.calls.count("GetLastError"), 0);

    const Error error = ErrorThrownBy([&] { CheckSystemCall(os, Handle{0}); });
    EXPECT_EQ(error.systemCode(), kErrorInvalidHandle);
    EXPECT_STREQ(error.what(), "Systemfehler.  Code: 6.\r\nThe handle is invalid");
}

} // namespace
} // namespace vevove::fake
