// The main window's state and its handlers, apart from the window layer that
// creates the controls and routes their messages here (app/MainWindow.cpp).
#pragma once

#include "icons/uvirtalloc.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>

namespace vevove {

struct ListViewLayout;

class TForm1 {
  public:
    explicit TForm1(Platform& os) : os_(os) {}

    // Controls that the handlers read and write, set by the window layer.
    WindowHandle Edit1 = 0;
    WindowHandle Edit2 = 0;
    WindowHandle CheckBox1 = 0;

    // The full path of the settings file, rebuilt at every load.
    std::string SettingsPath;
    // The stored resolution, set only by loading the settings file.
    std::uint16_t SavedWidth = 0;
    std::uint16_t SavedHeight = 0;
    // Latched whenever the current resolution differs from the stored one.
    bool ResolutionMismatch = false;

    void FormShow();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();

    void LoadDefaults();
    void CheckScreen();
    void DoMode();
    bool AnotherScreen(std::uint16_t width, std::uint16_t height);

    void SaveDesktopItemPositions();
    void RestoreDesktopItemPositions();
    void SaveListItemPosition(WindowHandle listView, RemoteAddress block,
                              const ListViewLayout& layout);
    void RestoreListItemPosition(WindowHandle listView, RemoteAddress block,
                                 const ListViewLayout& layout);

  private:
    bool ApplyDimensionLine(const std::string& line, WindowHandle edit, std::uint16_t& saved);
    void FillIfBlank(WindowHandle edit, int value);

    Platform& os_;
    // The block in the desktop shell's process while an icon command runs.
    RemoteBuffer remoteBuffer_;
};

} // namespace vevove
