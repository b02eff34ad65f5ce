// The resolution commands over a fake settings store, display and boxes.
#pragma once

#include "FakeDisplay.h"
#include "FakeResolutionBoxes.h"
#include "FakeSettingsStorage.h"
#include "FakeUserRegistry.h"
#include "ResolutionCommands.h"

#include <gtest/gtest.h>

#include <string>

namespace vevove::fake {

constexpr const char* kSettingsPath = "C:\\ProgramData\\ScrDef.ini";

class ResolutionFixture : public ::testing::Test {
  protected:
    void addSettingsFile(const std::string& bytes) { storage.files[kSettingsPath] = {bytes}; }

    FakeSettingsStorage storage;
    FakeDisplay display;
    FakeResolutionBoxes boxes;
    FakeUserRegistry registry;
    Resolution resolution{storage, display, boxes, registry, {}};
    ResolutionState& state = resolution.state;
};

} // namespace vevove::fake
