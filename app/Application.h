// The application object: its hidden window (the taskbar entry, whose caption
// is the title), the program's forms, the message loop and the catch points.
#pragma once

#include "ProgramWindow.h"

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace vevove {

class Form;

class Application final : public ProgramWindow {
  public:
    explicit Application(const std::string& title);

    // The first form added becomes the main form.
    void AddForm(Form& form);
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }

    // Shows the main form as the show command asks, then runs the message
    // loop until the main form is closed.
    void Run(int showCommand);

    void Minimize();

    // The program-wide catch: releases a mouse capture and shows the error box.
    void HandleException(const std::exception& error) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Restore();
    bool PreTranslateMessage(MSG& message);

    std::vector<Form*> forms_;
    bool mainFormMinimized_ = false;
};

} // namespace vevove
