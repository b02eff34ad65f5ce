// A main window on the simulated platform, for the tests of its handlers.
#pragma once

#include "app/Errors.h"
#include "app/Unit1.h"
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vevove::fake {

constexpr const char* kSettingsPath = "C:\\ProgramData\\ScrDef.ini";

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        form.Edit1 = os.windows.create();
        form.Edit2 = os.windows.create();
        form.CheckBox1 = os.windows.create();
    }

    // Whatever a test did, nothing it opened may stay open.
    void TearDown() override {
        EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
        EXPECT_EQ(os.handles.misuses(), std::vector<std::string>{});
        EXPECT_EQ(os.shell.liveLists(), 0u);
        EXPECT_EQ(os.shell.badFrees(), 0);
    }

    const std::string& edit1() const { return os.windows.text(form.Edit1); }
    const std::string& edit2() const { return os.windows.text(form.Edit2); }
    bool autoChecked() const { return os.windows.checked(form.CheckBox1); }

    FakePlatform os;
    TForm1 form{os};
};

} // namespace vevove::fake
