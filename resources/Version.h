#pragma once

#define VEVOVE_VERSION_NUMBERS 1, 0, 0, 0
#define VEVOVE_VERSION_TEXT "1.0.0.0"
