// The more-software window: the maker's products and free tools, names that
// open the maker's web pages, and an OK button that hides the window again.
// It stays on top of other programs' windows.
#pragma once

#include "app/Form.h"
#include "app/FreewareContent.h"

namespace vevove {

class TFormFreeware final : public Form {
  public:
    explicit TFormFreeware(Application& application);
    ~TFormFreeware() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateContents() override;
    void PlaceForFirstShow() override;

  private:
    void CreateLabels(int textHeight);
    void SetClientSize(int textHeight);
    const FreewareLabel* LabelOf(HWND control) const;
    HFONT FontOf(LabelFont font) const;
    void OpenLink(const char* address);
    void LabelClick(const FreewareLabel& label);
    void BitBtn1Click();

    HFONT font_ = nullptr;
    HFONT headingFont_ = nullptr;
    HFONT productNameFont_ = nullptr;
    HFONT descriptionFont_ = nullptr;
    HFONT toolNameFont_ = nullptr;
};

} // namespace vevove
