#include "harness/MainWindowControls.h"

#include "harness/ProgramWindows.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

namespace {

LONG Style(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

bool IsCheckBox(HWND button) {
    const LONG type = Style(button) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool IsMultiLine(HWND edit) {
    return (Style(edit) & ES_MULTILINE) != 0;
}

class Children {
  public:
    explicit Children(HWND parent) : windows_(ChildWindows(parent)) {}

    // The only child that matches; `which` names it in the error.
    HWND only(const std::string& which, const std::function<bool(HWND)>& matches) const {
        const std::vector<HWND> found = all(matches);
        if (found.size() != 1) {
            throw std::runtime_error("the main window has " + std::to_string(found.size()) +
                                     " controls that are " + which);
        }
        return found.front();
    }

    std::vector<HWND> all(const std::function<bool(HWND)>& matches) const {
        std::vector<HWND> found;
        for (HWND window : windows_) {
            if (matches(window)) {
                found.push_back(window);
            }
        }
        return found;
    }

  private:
    std::vector<HWND> windows_;
};

std::function<bool(HWND)> Is(const std::string& className, const std::string& caption) {
    return [=](HWND window) { return ClassName(window) == className && Text(window) == caption; };
}

std::function<bool(HWND)> IsPushButton(const std::string& caption) {
    return [=](HWND window) { return Is("Button", caption)(window) && !IsCheckBox(window); };
}

} // namespace

MainWindowControls FindControls(HWND mainWindow) {
    const Children children(mainWindow);
    const std::vector<HWND> edits = children.all(
        [](HWND window) { return ClassName(window) == "Edit" && !IsMultiLine(window); });
    if (edits.size() != 2) {
        throw std::runtime_error("the main window has " + std::to_string(edits.size()) +
                                 " single-line edit boxes, not 2");
    }
    MainWindowControls controls{};
    controls.width = edits[0];
    controls.height = edits[1];
    controls.hiddenEdit = children.only("multi-line edit boxes", [](HWND window) {
        return ClassName(window) == "Edit" && IsMultiLine(window);
    });
    controls.autoBox = children.only("check boxes \"Auto\"", [](HWND window) {
        return Is("Button", "Auto")(window) && IsCheckBox(window);
    });
    controls.restoreResolution =
        children.only("buttons \"Restore resolution\"", IsPushButton("Restore resolution"));
    controls.saveResolution =
        children.only("buttons \"Save resolution\"", IsPushButton("Save resolution"));
    controls.saveIcons = children.only("buttons \"Save Icons\"", IsPushButton("Save Icons"));
    controls.restoreIcons =
        children.only("buttons \"Restore Icons\"", IsPushButton("Restore Icons"));
    controls.help = children.only("buttons \"Help\"", IsPushButton("Help"));
    controls.quit = children.only("buttons \"Quit\"", IsPushButton("Quit"));
    controls.moreSoftware = children.only("buttons without caption", IsPushButton(""));
    controls.times = children.only("labels \"X\"", Is("Static", "X"));
    controls.widthLabel = children.only("labels \"Width\"", Is("Static", "Width"));
    controls.heightLabel = children.only("labels \"Height\"", Is("Static", "Height"));
    return controls;
}

} // namespace e2e
