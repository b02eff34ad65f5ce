#include "app/Unit1.h"

namespace vevove {

void TForm1::FormShow() {
    ResolutionMismatch = false;
    LoadDefaults();
}

} // namespace vevove
