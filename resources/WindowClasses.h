// The class names of the program's windows. Other programs, and the
// end-to-end tests, find the windows by them, so they never change.
#pragma once

namespace vevove {

// The hidden application window that owns the taskbar entry.
constexpr const char* kApplicationClass = "TApplication";
constexpr const char* kMainWindowClass = "TForm1";
constexpr const char* kHelpWindowClass = "TForm2";
constexpr const char* kMoreSoftwareWindowClass = "TFormFreeware";

} // namespace vevove
