// The help window "Info": fixed lines of text explaining the main window's
// buttons, and an OK button that hides the window again.
#pragma once

#include "app/Form.h"

namespace vevove {

class TForm2 final : public Form {
  public:
    explicit TForm2(Application& application);
    ~TForm2() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateContents() override;
    void FocusFirstControl() override;

  private:
    void BitBtn1Click();

    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
};

} // namespace vevove
