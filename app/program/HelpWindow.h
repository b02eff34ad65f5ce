// The help window "Info": fixed lines of text explaining the main window's
// buttons, and an OK button that hides the window again.
#pragma once

#include "Form.h"
#include "GdiOwners.h"

namespace vevove {

class HelpWindow final : public Form {
  public:
    explicit HelpWindow(Application& application);

  protected:
    void OnCommand(int controlId, int code, HWND control) override;
    void CreateContents() override;
    void FocusFirstControl() override;
    COLORREF TextColourOf(HWND control) const override;

  private:
    Font font_;
    Font boldFont_;
};

} // namespace vevove
