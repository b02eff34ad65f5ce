#include "resolution/ShellFolder.h"
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace vevove::fake {
namespace {

class SpecialFolderTest : public ::testing::Test {
  protected:
    std::string lookUp(const std::string& shellPath) {
        os.shell.setPath(kCommonAppDataFolder, shellPath);
        return SpecialFolderPath(os, kCommonAppDataFolder);
    }

    // Every list the shell handed out went back to its allocator.
    void TearDown() override {
        EXPECT_EQ(os.shell.liveLists(), 0u);
        EXPECT_EQ(os.shell.badFrees(), 0);
    }

    FakePlatform os;
};

TEST_F(SpecialFolderTest, TheAllUsersApplicationDataFolder) {
    EXPECT_EQ(SpecialFolderPath(os, kCommonAppDataFolder), "C:\\ProgramData");
    EXPECT_EQ(os.calls.count("IMalloc::Free"), 1);
}

TEST_F(SpecialFolderTest, DropsOneTrailingBackslash) {
    EXPECT_EQ(lookUp("C:\\Data\\"), "C:\\Data");
    EXPECT_EQ(lookUp("C:\\Data\\\\"), "C:\\Data\\");
    EXPECT_EQ(lookUp("D:\\"), "D:");
    EXPECT_EQ(lookUp("\\"), "");
    EXPECT_EQ(lookUp("C:\\Data"), "C:\\Data");
}

TEST_F(SpecialFolderTest, KeepsABackslashThatEndsADoubleByteCharacter) {
    os.codePage.useShiftJis();
    // 0x95 0x5C is one character whose second byte is a backslash.
    EXPECT_EQ(lookUp("C:\\\x95\x5C"), "C:\\\x95\x5C");
    EXPECT_EQ(lookUp("C:\\\x95\x5C\\"), "C:\\\x95\x5C");
    // 0x95 0x95 is one character, so the backslash after it stands alone.
    EXPECT_EQ(lookUp("C:\\\x95\x95\\"), "C:\\\x95\x95");
    EXPECT_EQ(lookUp("C:\\a\x95\x95\x95\\"), "C:\\a\x95\x95\x95\\");
}

TEST_F(SpecialFolderTest, InASingleByteCodePageEveryBackslashStandsAlone) {
    EXPECT_EQ(lookUp("C:\\\x95\\"), "C:\\\x95");
}

TEST_F(SpecialFolderTest, EmptyWhenTheShellCannotNameTheFolder) {
    os.shell.setLocationError(kCommonAppDataFolder, kHresultFail);
    EXPECT_EQ(SpecialFolderPath(os, kCommonAppDataFolder), "");
    EXPECT_EQ(os.calls.count("SHGetPathFromIDListA"), 0);
    EXPECT_EQ(os.calls.count("IMalloc::Free"), 0);

    os.shell.setPath(kCommonAppDataFolder, "C:\\ProgramData");
    os.calls.failNext("SHGetSpecialFolderLocation", kErrorAccessDenied);
    EXPECT_EQ(SpecialFolderPath(os, kCommonAppDataFolder), "");
}

TEST_F(SpecialFolderTest, EmptyWhenThePathDoesNotFitItsBuffer) {
    const std::string longest = "C:\\" + std::string(256, 'd');
    EXPECT_EQ(lookUp(longest), longest);
    EXPECT_EQ(lookUp(longest + "d"), "");
}

TEST_F(SpecialFolderTest, EmptyWhenTheFolderHasNoPathButTheListIsFreed) {
    os.shell.setWithoutPath(kCommonAppDataFolder);
    EXPECT_EQ(SpecialFolderPath(os, kCommonAppDataFolder), "");
    EXPECT_EQ(os.calls.count("IMalloc::Free"), 1);

    os.shell.setPath(kCommonAppDataFolder, "C:\\ProgramData\\");
    os.calls.failNext("SHGetPathFromIDListA", kErrorAccessDenied);
    EXPECT_EQ(SpecialFolderPath(os, kCommonAppDataFolder), "");
    EXPECT_EQ(os.calls.count("IMalloc::Free"), 2);
}

} // namespace
} // namespace vevove::fake
