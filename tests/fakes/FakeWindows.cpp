#include "tests/fakes/FakeWindows.h"

namespace vevove::fake {

WindowHandle FakeWindows::create(const std::string& text, bool checked) {
    const WindowHandle window = next_;
    next_ += 0x10;
    windows_[window] = Window{text, checked, {}, {}};
    return window;
}

bool FakeWindows::getText(WindowHandle window, std::string& text) const {
    const auto entry = windows_.find(window);
    if (entry == windows_.end()) {
        return false;
    }
    text = entry->second.text;
    return true;
}

bool FakeWindows::setText(WindowHandle window, const std::string& text) {
    const auto entry = windows_.find(window);
    if (entry == windows_.end()) {
        return false;
    }
    entry->second.text = text;
    entry->second.textsSet.push_back(text);
    return true;
}

bool FakeWindows::checked(WindowHandle window) const {
    const auto entry = windows_.find(window);
    return entry != windows_.end() && entry->second.checked;
}

void FakeWindows::setChecked(WindowHandle window, bool checked) {
    const auto entry = windows_.find(window);
    if (entry != windows_.end()) {
        entry->second.checked = checked;
        entry->second.checksSet.push_back(checked);
    }
}

} // namespace vevove::fake
