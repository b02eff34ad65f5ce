// The main window: the resolution boxes, the buttons wired each to its
// command, and the timer of the resolution check.
#pragma once

#include "Form.h"
#include "GdiOwners.h"
#include "IconCommands.h"
#include "ResolutionBoxes.h"
#include "ResolutionCommands.h"

namespace vevove {

class MainWindow final : public Form, private ResolutionBoxes {
  public:
    MainWindow(Application& application, SettingsStorage& storage, Display& display,
               const Desktop& desktop);
    // The windows that "Help" and the glyph button show.
    void SetOtherWindows(Form& help, Form& moreSoftware);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int controlId, int code, HWND control) override;
    void AboutToShow() override;
    void PlaceForFirstShow() override;

  private:
    std::string WidthText() override;
    void SetWidthText(const std::string& text) override;
    std::string HeightText() override;
    void SetHeightText(const std::string& text) override;
    bool AutoChecked() override;
    void CheckAuto() override;

    Font font_;
    HWND width_ = nullptr;
    HWND height_ = nullptr;
    HWND auto_ = nullptr;
    Resolution resolution_;
    Desktop desktop_;
    Form* help_ = nullptr;
    Form* moreSoftware_ = nullptr;
};

} // namespace vevove
