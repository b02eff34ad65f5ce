// The more-software window: the maker's products and free tools, names that
// open the maker's web pages, and an OK button that hides the window again.
// It stays on top of other programs' windows.
#pragma once

#include "Form.h"
#include "GdiOwners.h"
#include "MoreSoftwareContent.h"

namespace vevove {

class MoreSoftwareWindow final : public Form {
  public:
    explicit MoreSoftwareWindow(Application& application);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int controlId, int code, HWND control) override;
    void CreateContents() override;
    void PlaceForFirstShow() override;
    COLORREF TextColourOf(HWND control) const override;

  private:
    void CreateLabels(int textHeight);
    void SetClientSize(int textHeight);
    const MoreSoftwareLabel* LabelOf(HWND control) const;
    HFONT FontOf(LabelFont font) const;
    void OpenLink(const char* address);

    Font font_;
    Font headingFont_;
    Font productNameFont_;
    Font descriptionFont_;
    Font toolNameFont_;
};

} // namespace vevove
