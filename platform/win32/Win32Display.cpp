#include "Win32Platform.h"

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace vevove {

static_assert(sizeof(DEVMODEA) == 156, "the display-settings record of the published layout");

namespace {

DEVMODEA EmptyRecord() {
    DEVMODEA record = {};
    record.dmSize = sizeof record;
    record.dmDriverExtra = 0;
    return record;
}

DisplayMode ModeOf(const DEVMODEA& record) {
    return {record.dmPelsWidth, record.dmPelsHeight, record.dmBitsPerPel,
            record.dmDisplayFrequency};
}

// The offered mode of that size with the colour depth and refresh rate in
// force, if the display has one.
std::optional<DisplayMode> ModeKeepingRateOf(std::uint32_t width, std::uint32_t height) {
    DEVMODEA record = EmptyRecord();
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &record)) {
        return std::nullopt;
    }
    const DisplayMode current = ModeOf(record);
    std::vector<DisplayMode> offered;
    for (DWORD number = 0;; ++number) {
        record = EmptyRecord();
        if (!EnumDisplaySettingsA(nullptr, number, &record)) {
            break;
        }
        offered.push_back(ModeOf(record));
    }
    return ModeKeepingRate(current, offered, width, height);
}

// GetDpiForMonitor came with Windows 8.1, in a library that is not always
// there: taken from the system folder when it is, else every monitor has the
// screen's scaling.
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

DpiForMonitor LoadDpiForMonitor() {
    HMODULE library = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return library != nullptr ? reinterpret_cast<DpiForMonitor>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "GetDpiForMonitor")))
                              : nullptr;
}

unsigned ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

// Asked on the window thread and on the desktop worker's: either may look it
// up first, and both find the same.
std::atomic<bool> dpiForMonitorLooked{false};
std::atomic<DpiForMonitor> dpiForMonitorFound{nullptr};

unsigned DpiOf(HMONITOR monitor) {
    if (!dpiForMonitorLooked) {
        dpiForMonitorFound = LoadDpiForMonitor();
        dpiForMonitorLooked = true;
    }
    const DpiForMonitor dpiForMonitor = dpiForMonitorFound;
    UINT x = 0;
    UINT y = 0;
    if (dpiForMonitor != nullptr && SUCCEEDED(dpiForMonitor(monitor, kEffectiveDpi, &x, &y)) &&
        x > 0) {
        return x;
    }
    return ScreenDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& place = info.rcMonitor;
        reinterpret_cast<std::vector<Monitor>*>(found)->push_back(
            {place.left, place.top, place.right - place.left, place.bottom - place.top,
             DpiOf(monitor)});
    }
    return TRUE;
}

// The active paths from sources to monitors, with their modes; none when the
// system cannot tell them.
struct DisplayPaths {
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    std::vector<DISPLAYCONFIG_MODE_INFO> modes;
};

DisplayPaths ActivePaths() {
    DisplayPaths active;
    LONG result = ERROR_INSUFFICIENT_BUFFER;
    // The set can change between the two calls: asked again until it fits.
    while (result == ERROR_INSUFFICIENT_BUFFER) {
        UINT32 pathCount = 0;
        UINT32 modeCount = 0;
        if (GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) !=
            ERROR_SUCCESS) {
            return {};
        }
        active.paths.resize(pathCount);
        active.modes.resize(modeCount);
        result = QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, active.paths.data(),
                                    &modeCount, active.modes.data(), nullptr);
        active.paths.resize(pathCount);
        active.modes.resize(modeCount);
    }
    return result == ERROR_SUCCESS ? active : DisplayPaths{};
}

// The primary monitor is the one whose source lies at the virtual screen's
// origin.
bool ShowsPrimary(const DisplayPaths& active, const DISPLAYCONFIG_PATH_INFO& path) {
    const UINT32 index = path.sourceInfo.modeInfoIdx;
    if (index >= active.modes.size()) {
        return false;
    }
    const DISPLAYCONFIG_MODE_INFO& mode = active.modes[index];
    return mode.infoType == DISPLAYCONFIG_MODE_INFO_TYPE_SOURCE &&
           mode.sourceMode.position.x == 0 && mode.sourceMode.position.y == 0;
}

std::u16string DevicePathOf(const DISPLAYCONFIG_PATH_INFO& path) {
    DISPLAYCONFIG_TARGET_DEVICE_NAME name = {};
    name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
    name.header.size = sizeof name;
    name.header.adapterId = path.targetInfo.adapterId;
    name.header.id = path.targetInfo.id;
    if (DisplayConfigGetDeviceInfo(&name.header) != ERROR_SUCCESS) {
        return {};
    }
    return reinterpret_cast<const char16_t*>(name.monitorDevicePath);
}

} // namespace

std::u16string Win32Display::PrimaryMonitor() {
    const DisplayPaths active = ActivePaths();
    for (const DISPLAYCONFIG_PATH_INFO& path : active.paths) {
        if (ShowsPrimary(active, path)) {
            return DevicePathOf(path);
        }
    }
    return {};
}

std::vector<Monitor> Win32Display::Monitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

ScreenSize Win32Display::CurrentSize() {
    ScreenSize size;
    size.height = GetSystemMetrics(SM_CYSCREEN);
    size.width = GetSystemMetrics(SM_CXSCREEN);
    return size;
}

// When the display offers the new size at the colour depth and refresh rate
// in force, asks for exactly that mode, so that a 144 Hz screen stays at
// 144 Hz. Otherwise requests only width and height: the rest of the record
// comes from the driver's first mode (number 0, not the current-settings
// selector), and the fields mask says that it is not part of the request.
bool Win32Display::ChangeMode(std::uint32_t width, std::uint32_t height) {
    DEVMODEA mode = EmptyRecord();
    if (const std::optional<DisplayMode> kept = ModeKeepingRateOf(width, height)) {
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
        mode.dmPelsWidth = kept->width;
        mode.dmPelsHeight = kept->height;
        mode.dmBitsPerPel = kept->bitsPerPixel;
        mode.dmDisplayFrequency = kept->frequency;
        return ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL;
    }
    if (!EnumDisplaySettingsA(nullptr, 0, &mode)) {
        return false;
    }
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    return ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL;
}

} // namespace vevove
