// The check that runs when the main window is shown and at every tick: it
// keeps the width and height boxes filled and, with "Auto", restores the
// stored resolution once a difference has been seen.
#include "app/Format.h"
#include "app/Unit1.h"
#include "platform/DisplayMode.h"
#include "resolution/SettingsLines.h"

namespace vevove {

void TForm1::CheckScreen() {
    const int height = os_.systemMetrics(kSmCyScreen);
    const int width = os_.systemMetrics(kSmCxScreen);
    FillIfBlank(Edit1, width);
    FillIfBlank(Edit2, height);
    // The flag latches: once a difference is seen, every later check with
    // "Auto" requests the stored mode again, so a changed resolution is put
    // back at the next tick.
    if (height != SavedHeight || width != SavedWidth) {
        ResolutionMismatch = true;
    }
    DoMode();
}

void TForm1::FillIfBlank(WindowHandle edit, int value) {
    if (!HasVisibleByte(os_.windowText(edit))) {
        os_.setWindowText(edit, Format("%d", value));
    }
}

void TForm1::DoMode() {
    if (os_.isChecked(CheckBox1) && ResolutionMismatch) {
        Button1Click();
    }
}

} // namespace vevove
