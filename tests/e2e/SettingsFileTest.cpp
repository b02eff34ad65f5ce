// "Save resolution" writes the boxes and "Auto" to C:\ProgramData\ScrDef.ini,
// and the next start reads them back.
#include "harness/SettingsFile.h"
#include "harness/ErrorBox.h"
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"

#include <optional>
#include <string>

namespace e2e {
namespace {

const std::optional<DWORD> kExitCode0 = 0;

class SettingsFileTest : public VevoveTest {
  protected:
    void TypeResolution(const std::string& width, const std::string& height) {
        SetText(controls_.width, width);
        SetText(controls_.height, height);
    }

    void CheckAuto() {
        Click(controls_.autoBox);
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(controls_.autoBox); }));
    }

    void Quit() {
        Click(controls_.quit);
        ASSERT_EQ(vevove().waitForExit(), kExitCode0);
    }
};

TEST_F(SettingsFileTest, SaveWritesWidthHeightAndAuto) {
    Start();
    TypeResolution("1280", "1024");
    CheckAuto();
    Click(controls_.saveResolution);
    // 18 bytes: three lines, each ended by CR LF.
    EXPECT_EQ(WaitForSettingsFile(), std::optional<std::string>("1280\r\n1024\r\nauto\r\n"));
    EXPECT_TRUE(MessageBoxes(vevove().id()).empty());
    Quit();
}

TEST_F(SettingsFileTest, SaveWritesManualWhenAutoIsUnchecked) {
    Start();
    TypeResolution("1280", "1024");
    Click(controls_.saveResolution);
    EXPECT_EQ(WaitForSettingsFile(), std::optional<std::string>("1280\r\n1024\r\nmanual\r\n"));
    Quit();
}

TEST_F(SettingsFileTest, StartShowsTheSavedResolutionAndAuto) {
    WriteSettingsFile("1024\r\n768\r\nauto\r\n");
    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

TEST_F(SettingsFileTest, StartLeavesAutoUncheckedForManual) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    Start();
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
    EXPECT_FALSE(IsChecked(controls_.autoBox));
}

TEST_F(SettingsFileTest, WhatIsSavedIsReadBackAtTheNextStart) {
    Start();
    TypeResolution("1024", "768");
    CheckAuto();
    Click(controls_.saveResolution);
    ASSERT_TRUE(WaitForSettingsFile().has_value());
    Quit();

    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

} // namespace
} // namespace e2e
