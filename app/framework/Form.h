// One top-level window of the program: created hidden and owned by the
// application's window, shown and hidden again, never re-created.
#pragma once

#include "BitmapButton.h"
#include "ProgramWindow.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace vevove {

class Application;

struct FormPlacement {
    int left;
    int top;
    int width; // outer size
    int height;
};

class Form : public ProgramWindow {
  public:
    Form(Application& application, const char* className, const char* caption,
         const FormPlacement& placement);

    // Makes the form visible (running its show handler and first placement
    // while still hidden) and brings it to the front.
    void Show(int showCommand = SW_SHOW);
    // Runs the show handler of a form that stays hidden for now.
    void PrepareWhileHidden();
    // The main form ends the program, or in a background run goes back to
    // the background; any other form only hides.
    void Close();

    // Esc and Enter: clicks the cancel or default button (Esc closes the main
    // form of a background run instead); true when handled.
    bool HandleDialogKey(const MSG& message);

  protected:
    // Creates the window; derived forms call it from their constructor and
    // then create their controls.
    void Create(DWORD style);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandleException(const std::exception& error) override;
    // A control's notification: `code` is BN_CLICKED for every click of a
    // button.
    virtual void OnCommand(int controlId, int code, HWND control);
    // Creates the controls of a form that builds them when it is first shown
    // rather than at start-up, before it is placed.
    virtual void CreateContents() {}
    // Runs while the form is about to become visible, before it is placed,
    // and for a form prepared while hidden.
    virtual void AboutToShow() {}
    // Moves the form before its first showing; keeps the stored place by default.
    virtual void PlaceForFirstShow() {}
    // Gives the focus to the first control in tab order that can take it.
    virtual void FocusFirstControl();
    // The colour a static control's text (a label, a check box's caption) is
    // meant to have: the system's button text unless the form says otherwise.
    // On the button face, a colour that would not stand out from it gives way
    // to the button text colour.
    virtual COLORREF TextColourOf(HWND control) const;
    // Draws the owner-drawn button `controlId` with the glyph of `bitmapId`
    // (see BitmapButton).
    void AddBitmapButton(int controlId, int bitmapId, int pictureCount);

    Application& application_;
    HWND cancelButton_ = nullptr;
    HWND defaultButton_ = nullptr;
    // Set by forms that PlaceForFirstShow centres.
    bool centresOnFirstShow_ = false;

  private:
    void RepaintInNewColours();
    const BitmapButton* FindBitmapButton(HWND control) const;
    bool DrawBitmapButton(const DRAWITEMSTRUCT& item) const;

    const char* className_;
    const char* caption_;
    FormPlacement placement_;
    HWND lastFocus_ = nullptr;
    bool shownBefore_ = false;
    bool contentsCreated_ = false;
    std::vector<std::unique_ptr<BitmapButton>> bitmapButtons_;
};

} // namespace vevove
