#include "VisualStyles.h"

#include <optional>

namespace vevove {

namespace {

template <typename Function> bool Find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

// The library stays loaded for as long as the program runs.
std::optional<VisualStyles> Load() {
    HMODULE library = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr) {
        return std::nullopt;
    }
    VisualStyles styles{};
    const bool found = Find(library, "OpenThemeData", styles.openThemeData) &&
                       Find(library, "CloseThemeData", styles.closeThemeData) &&
                       Find(library, "IsThemeBackgroundPartiallyTransparent",
                            styles.isBackgroundPartiallyTransparent) &&
                       Find(library, "DrawThemeParentBackground", styles.drawParentBackground) &&
                       Find(library, "DrawThemeBackground", styles.drawBackground) &&
                       Find(library, "GetThemeColor", styles.getColor);
    return found ? std::optional<VisualStyles>(styles) : std::nullopt;
}

} // namespace

// Buttons are drawn on the window thread alone.
const VisualStyles* LoadedVisualStyles() {
    static bool loaded = false;
    static std::optional<VisualStyles> styles;
    if (!loaded) {
        styles = Load();
        loaded = true;
    }
    return styles ? &*styles : nullptr;
}

} // namespace vevove
