// What Vevove keeps of the icons, in one place for the commands, the
// automatic restore and the menu: the layout key, which earlier versions and
// users' scripts read, always with the last layout saved on any display
// setup; and beside the options, for each setup, its newest layout and up to
// nine earlier ones, each under the time it was saved, and where the icons
// stood before the last restore there. Every layout is one value per icon,
// as the layout key has always held them.
#pragma once

#include "UserRegistry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vevove {

using Layout = std::vector<RegistryValue>;

// The newest layout and the earlier ones kept beside it.
constexpr std::size_t kLayoutsKept = 10;

// The times at which the setup's layouts were saved, newest first.
std::vector<std::string> SavedTimes(UserRegistry& registry, const std::string& setup);
// Whether any setup has a layout of its own yet.
bool AnySetupHasLayouts(UserRegistry& registry);
// The setup's layout saved at that time; empty where there is none.
Layout SavedLayout(UserRegistry& registry, const std::string& setup, const std::string& time);
// The setup's newest layout; where it has none, the layout key's.
Layout NewestLayout(UserRegistry& registry, const std::string& setup);
// What the automatic restore puts back on the setup: its newest layout, and
// none where only other setups have one; while no setup has a layout of its
// own (saved only by an earlier version), the layout key's.
Layout LayoutToRestoreByItself(UserRegistry& registry, const std::string& setup);

// The layout becomes the setup's newest, the one it follows an earlier one
// (the oldest beyond kLayoutsKept goes), and the layout key's. A layout the
// same as the setup's newest adds none; a layout key that holds it already
// is not written to.
void StoreLayout(UserRegistry& registry, const std::string& setup, const Layout& layout,
                 const std::string& time);

// Where the icons stood before the last restore on the setup.
void StoreBeforeRestore(UserRegistry& registry, const std::string& setup, const Layout& layout);
Layout BeforeLastRestore(UserRegistry& registry, const std::string& setup);

} // namespace vevove
