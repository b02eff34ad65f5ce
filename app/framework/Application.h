// The application object: its hidden window (the taskbar entry, whose caption
// is the title), the program's forms, the message loop and the catch points.
// A run in the background has no window and no taskbar entry until the user
// asks for the main form, and closing the main form hides it again.
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
    // Runs the main form's show handler without showing anything, then the
    // message loop until Quit.
    void RunInBackground();
    bool runsInBackground() const { return background_; }

    // The main form restored and in front, with the taskbar entry.
    void ShowMainForm();
    // Every form and the taskbar entry off the screen, in a background run.
    void HideToBackground();
    // Ends the program, whatever kind of run it is.
    void Quit();

    // Takes every form off the screen and leaves the taskbar entry.
    void Minimize();

    // Told by a form each time it becomes active.
    void FormActivated(Form& form) { lastActiveForm_ = &form; }

    // The program-wide catch: releases a mouse capture and shows the error box.
    void HandleException(const std::exception& error) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Restore();
    void RunMessageLoop();
    void PassActivationToForm();
    bool PreTranslateMessage(MSG& message);

    std::vector<Form*> forms_;
    Form* lastActiveForm_ = nullptr;
    bool mainFormMinimized_ = false;
    bool background_ = false;
};

} // namespace vevove
