#include "ErrorText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vevove {
namespace {

TEST(ErrorBoxText, AddsAFullStopAfterCharactersThatSortAfterIt) {
    for (const std::string message : {"Fehler", "Code 5", "C:\\Pfad/", "Gr\xFC", "Text:", "~"}) {
        SCOPED_TRACE(message);
        EXPECT_EQ(ErrorBoxText(message), message + ".");
    }
}

TEST(ErrorBoxText, AddsNothingAfterAFullStopOrWhatSortsBeforeIt) {
    for (const std::string message :
         {"Ende.", "a,", "a-", "(a)", "Halt!", "\"a\"", "a ", "a\r\n", "Text'", "50%", ""}) {
        SCOPED_TRACE(message);
        EXPECT_EQ(ErrorBoxText(message), message);
    }
}

TEST(StartupErrorText, NamesKindModuleAddressAndMessage) {
    EXPECT_EQ(StartupErrorText("EOutOfResources", "Vevove.exe", 0x1A2B,
                               "Nicht gen\xFCgend Timer verf\xFCgbar"),
              "Exception EOutOfResources in Modul Vevove.exe bei 00001A2B.\r\n"
              "Nicht gen\xFCgend Timer verf\xFCgbar.\r\n");
    EXPECT_EQ(StartupErrorText("EOSError", "Vevove.exe", 0xDEADBEEF, "Ende."),
              "Exception EOSError in Modul Vevove.exe bei DEADBEEF.\r\nEnde.\r\n");
    // Unlike the error box, anything but a full stop gets one.
    EXPECT_EQ(StartupErrorText("EOSError", "Vevove.exe", 0, "(a)"),
              "Exception EOSError in Modul Vevove.exe bei 00000000.\r\n(a).\r\n");
    EXPECT_EQ(StartupErrorText("EOSError", "Vevove.exe", 0, ""),
              "Exception EOSError in Modul Vevove.exe bei 00000000.\r\n\r\n");
}

static_assert(std::string_view(kStartupErrorTitle) == "Anwendungsfehler");

} // namespace
} // namespace vevove
