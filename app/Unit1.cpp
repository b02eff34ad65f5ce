#include "app/Unit1.h"

namespace vevove {

void TForm1::FormShow() {
    ResolutionMismatch = false;
    LoadDefaults();
    CheckScreen();
}

void TForm1::Timer1Timer() {
    CheckScreen();
}

} // namespace vevove
