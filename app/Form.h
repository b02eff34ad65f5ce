// One top-level window of the program: created hidden and owned by the
// application's window, shown and hidden again, never re-created.
#pragma once

#include <windows.h>

namespace vevove {

class Application;

struct FormPlacement {
    int left;
    int top;
    int width; // outer size
    int height;
};

class Form {
  public:
    Form(Application& application, const char* className, const char* caption,
         const FormPlacement& placement);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND handle() const { return window_; }

    // Makes the form visible (running its show handler and first placement
    // while still hidden) and brings it to the front.
    void Show(int showCommand = SW_SHOW);
    // The main form ends the program; any other form only hides.
    void Close();

    // Esc and Enter: clicks the cancel or default button; true when handled.
    bool HandleDialogKey(const MSG& message);

  protected:
    // Creates the window; derived forms call it from their constructor and
    // then create their controls.
    void Create(DWORD style);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs while the form is about to become visible, before it is placed.
    virtual void OnShow() {}
    // Moves the form before its first showing; keeps the stored place by default.
    virtual void PlaceForFirstShow() {}

    Application& application_;
    HWND cancelButton_ = nullptr;
    HWND defaultButton_ = nullptr;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void FocusFirstControl();

    const char* className_;
    const char* caption_;
    FormPlacement placement_;
    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool shownBefore_ = false;
};

} // namespace vevove
