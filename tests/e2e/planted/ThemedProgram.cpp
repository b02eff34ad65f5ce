// A program that imports UxTheme.dll when it is loaded, as programs do that
// take no care where it comes from; ends with 0.
#include <windows.h>

#include <uxtheme.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static_cast<void>(IsAppThemed());
    return 0;
}
