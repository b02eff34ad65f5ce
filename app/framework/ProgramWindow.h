// A window of one of the program's own classes whose messages reach a member
// function: the one window procedure behind the application window and the
// forms, and the catch point around each call of it.
#pragma once

#include <windows.h>

#include <exception>

namespace vevove {

class ProgramWindow {
  public:
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    HWND handle() const { return window_; }

  protected:
    ProgramWindow() = default;
    // Destroys a window that still exists without letting its last messages
    // reach the object being destroyed.
    virtual ~ProgramWindow();

    // The window procedure to register the program's window classes with.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the window of a class registered with Procedure, its messages
    // going to this object from the first on.
    void CreateHandle(DWORD exStyle, const char* className, const char* caption, DWORD style,
                      int left, int top, int width, int height, HWND owner);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Where an error that leaves HandleMessage goes.
    virtual void HandleException(const std::exception& error) = 0;

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window_, message, wParam, lParam);
    }

  private:
    HWND window_ = nullptr;
};

} // namespace vevove
