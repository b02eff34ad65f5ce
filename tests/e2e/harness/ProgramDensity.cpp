#include "harness/ProgramDensity.h"

#include <stdexcept>

namespace e2e {

namespace {

constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kDensityValue = "LogPixels";

class DesktopKey {
  public:
    DesktopKey() {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot open HKCU\\Control Panel\\Desktop");
        }
    }
    ~DesktopKey() { RegCloseKey(key_); }
    DesktopKey(const DesktopKey&) = delete;
    DesktopKey& operator=(const DesktopKey&) = delete;

    std::optional<DWORD> Density() const {
        DWORD density = 0;
        DWORD size = sizeof density;
        DWORD type = 0;
        if (RegQueryValueExA(key_, kDensityValue, nullptr, &type, reinterpret_cast<BYTE*>(&density),
                             &size) != ERROR_SUCCESS ||
            type != REG_DWORD) {
            return std::nullopt;
        }
        return density;
    }

    void SetDensity(const std::optional<DWORD>& density) const {
        if (!density) {
            RegDeleteValueA(key_, kDensityValue);
        } else if (RegSetValueExA(key_, kDensityValue, 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&*density),
                                  sizeof *density) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot set the screen density");
        }
    }

  private:
    HKEY key_ = nullptr;
};

} // namespace

int OwnDensity() {
    HDC screen = GetDC(nullptr);
    const int density = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return density;
}

ProgramDensity::ProgramDensity(int dotsPerInch) {
    const DesktopKey key;
    previous_ = key.Density();
    key.SetDensity(static_cast<DWORD>(dotsPerInch));
}

ProgramDensity::~ProgramDensity() {
    try {
        DesktopKey().SetDensity(previous_);
    } catch (const std::exception&) {
        // The next program started keeps the high density; its test reports it.
    }
}

} // namespace e2e
