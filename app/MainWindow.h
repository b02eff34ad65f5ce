// The main window: its controls, the wiring of their clicks and of the timer
// to the handlers of TForm1.
#pragma once

#include "app/Form.h"
#include "app/Unit1.h"

namespace vevove {

class MainWindow final : public Form {
  public:
    MainWindow(Application& application, TForm1& form);
    ~MainWindow() override;

    // The windows that "Help" and the glyph button show.
    void SetOtherForms(Form& help, Form& freeware);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override;
    void PlaceForFirstShow() override;

  private:
    void OnCommand(int controlId);

    TForm1& form_;
    HFONT font_ = nullptr;
    Form* help_ = nullptr;
    Form* freeware_ = nullptr;
};

} // namespace vevove
