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

    // Takes every form off the screen and leaves the taskbar entry.
    void Minimize();

    // Told by a form each time it becomes active.
    void FormActivated(Form& form) { lastActiveForm_ = &form; }

    // The program-wide catch: releases a mouse capture and shows the error box.
    void HandleException(const std::exception& error) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BringToFront();
    void Restore();
    void PassActivationToForm();
    bool PreTranslateMessage(MSG& message);

    std::vector<Form*> forms_;
    Form* lastActiveForm_ = nullptr;
    bool mainFormMinimized_ = false;
};

} // namespace vevove
