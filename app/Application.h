// The application object: its hidden window (the taskbar entry, whose caption
// is the title), the program's forms, the message loop and the catch points.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace vevove {

class Form;

class Application {
  public:
    explicit Application(const std::string& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HWND handle() const { return window_; }
    HINSTANCE instance() const { return instance_; }

    // The first form added becomes the main form.
    void AddForm(Form& form);
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<Form*>& forms() const { return forms_; }

    // Shows the main form as the show command asks, then runs the message
    // loop until the main form is closed.
    void Run(int showCommand);

    void Minimize();

    // The program-wide catch: releases a mouse capture and shows the error box.
    void HandleException(const std::exception& error);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Restore();
    bool PreTranslateMessage(MSG& message);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::vector<Form*> forms_;
    bool mainFormMinimized_ = false;
};

} // namespace vevove
