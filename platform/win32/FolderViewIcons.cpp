#include "DesktopWays.h"

#include "SystemFailureText.h"
#include "Trace.h"

#include <exdisp.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <array>
#include <memory>

namespace vevove {

namespace {

using Microsoft::WRL::ComPtr;

struct FreeWithTaskAllocator {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
using OwnedItem = std::unique_ptr<ITEMIDLIST, FreeWithTaskAllocator>;
using OwnedText = std::unique_ptr<wchar_t, FreeWithTaskAllocator>;

// A shell that restarted has let go of every object it served.
bool Disconnected(HRESULT result) {
    return result == RPC_E_DISCONNECTED || result == RPC_E_SERVER_DIED ||
           result == RPC_E_SERVER_DIED_DNE || result == CO_E_OBJNOTCONNECTED ||
           result == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
}

DesktopFailure Failed(HRESULT result) {
    if (Disconnected(result)) {
        return DesktopFailure{DesktopFailure::Kind::Restarted, {}};
    }
    return DesktopFailure{DesktopFailure::Kind::System,
                          SystemFailureFor(static_cast<std::uint32_t>(result))};
}

// A shell busy for a moment rejects a call ("retry later"); it is tried again
// for as long as a shell may take to answer. Each answer counts as one.
constexpr ULONGLONG kRetryForMs = 2000;
constexpr DWORD kRetryPauseMs = 50;
// Items asked for in one answer of the view's enumeration.
constexpr std::size_t kItemsPerAnswer = 256;

template <typename Call> HRESULT Ask(Call call) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const HRESULT result = call();
        ShellAnswered();
        if ((result != RPC_E_CALL_REJECTED && result != RPC_E_SERVERCALL_RETRYLATER) ||
            GetTickCount64() - start >= kRetryForMs) {
            return result;
        }
        Trace("desktop worker: the shell rejected a call; trying again");
        Sleep(kRetryPauseMs);
    }
}

// Spelled out here rather than taken from the system's GUID library, which
// would bring every GUID it holds into the program.
constexpr CLSID kShellWindows = {
    0x9BA05972, 0xF6A8, 0x11CF, {0xA4, 0x42, 0x00, 0xA0, 0xC9, 0x0A, 0x8F, 0x39}};
constexpr GUID kTopLevelBrowser = {
    0x4C96BE40, 0x915C, 0x11CF, {0x99, 0xD3, 0x00, 0xAA, 0x00, 0x4A, 0xE8, 0x37}};

// The view of the shell window that shows the desktop, and how far the shell
// windows are.
ComPtr<IFolderView> DesktopFolderView(ShellWindows& shellWindows) {
    shellWindows = ShellWindows::Missing;
    ComPtr<IShellWindows> windows;
    if (FAILED(Ask([&] {
            return CoCreateInstance(kShellWindows, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&windows));
        }))) {
        return nullptr;
    }
    shellWindows = ShellWindows::Starting;
    VARIANT desktop;
    VariantInit(&desktop);
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT none;
    VariantInit(&none);
    long window = 0;
    ComPtr<IDispatch> dispatch;
    if (Ask([&] {
            return windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                                         &dispatch);
        }) != S_OK ||
        dispatch == nullptr) {
        return nullptr;
    }
    shellWindows = ShellWindows::Found;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> shellView;
    ComPtr<IFolderView> view;
    if (FAILED(Ask([&] { return dispatch.As(&services); })) || FAILED(Ask([&] {
            return services->QueryService(kTopLevelBrowser, IID_PPV_ARGS(&browser));
        })) ||
        FAILED(Ask([&] { return browser->QueryActiveShellView(&shellView); })) ||
        shellView == nullptr || FAILED(Ask([&] { return shellView.As(&view); }))) {
        return nullptr;
    }
    return view;
}

class FolderViewIcons final : public DesktopWay {
  public:
    FolderViewIcons(ComPtr<IFolderView> view, ComPtr<IShellFolder> folder, HWND window)
        : view_(std::move(view)), folder_(std::move(folder)), window_(window) {
        view_.As(&view2_);
    }

    bool Alive() const override { return IsWindow(window_) != FALSE; }

    DesktopResult Read(IconParts parts, std::vector<DesktopIcon>& icons) override {
        icons.clear();
        if (DesktopResult listed = ListItems()) {
            return listed;
        }
        for (const OwnedItem& item : items_) {
            DesktopIcon icon;
            if (const HRESULT named = Name(item.get(), SHGDN_NORMAL, icon.label); FAILED(named)) {
                return Failed(named);
            }
            // The name the folder parses, in the folder: the file's name with
            // its extension, which no other item of the folder bears.
            if (parts.fileNames) {
                if (const HRESULT named =
                        Name(item.get(), SHGDN_INFOLDER | SHGDN_FORPARSING, icon.fileName);
                    FAILED(named)) {
                    return Failed(named);
                }
            }
            if (parts.positions) {
                POINT point = {};
                if (const HRESULT placed =
                        Ask([&] { return view_->GetItemPosition(item.get(), &point); });
                    FAILED(placed)) {
                    return Failed(placed);
                }
                icon.x = point.x;
                icon.y = point.y;
            }
            icons.push_back(std::move(icon));
        }
        return std::nullopt;
    }

    DesktopResult AutoArrange(bool& on) override {
        if (view2_ != nullptr) {
            DWORD flags = 0;
            if (const HRESULT read = Ask([&] { return view2_->GetCurrentFolderFlags(&flags); });
                FAILED(read)) {
                return Failed(read);
            }
            on = (flags & FWF_AUTOARRANGE) != 0;
            return std::nullopt;
        }
        on = Ask([&] { return view_->GetAutoArrange(); }) == S_OK;
        return std::nullopt;
    }

    // Only that flag changes. A view without IFolderView2 cannot switch it:
    // its icons then move as far as its arrangement lets them.
    DesktopResult SetAutoArrange(bool on) override {
        if (view2_ == nullptr) {
            return std::nullopt;
        }
        if (const HRESULT set = Ask([&] {
                return view2_->SetCurrentFolderFlags(FWF_AUTOARRANGE,
                                                     on ? DWORD{FWF_AUTOARRANGE} : DWORD{0});
            });
            FAILED(set)) {
            return Failed(set);
        }
        return std::nullopt;
    }

    // All of them in one call: one at a time, with "Align icons to grid",
    // the shell would push icons out of cells that others still hold.
    DesktopResult Move(const std::vector<IconMove>& moves) override {
        std::vector<PCUITEMID_CHILD> items;
        std::vector<POINT> points;
        for (const IconMove& move : moves) {
            if (move.icon < items_.size()) {
                items.push_back(items_[move.icon].get());
                points.push_back(POINT{move.x, move.y});
            }
        }
        if (items.empty()) {
            return std::nullopt;
        }
        const HRESULT moved = Ask([&] {
            return view_->SelectAndPositionItems(static_cast<UINT>(items.size()), items.data(),
                                                 points.data(), SVSI_POSITIONITEM);
        });
        return FAILED(moved) ? std::optional(Failed(moved)) : std::nullopt;
    }

  private:
    // The view's items as they are now, in its order, many in each answer.
    DesktopResult ListItems() {
        ComPtr<IEnumIDList> items;
        if (const HRESULT listed =
                Ask([&] { return view_->Items(SVGIO_ALLVIEW, IID_PPV_ARGS(&items)); });
            FAILED(listed)) {
            return Failed(listed);
        }
        items_.clear();
        for (;;) {
            std::array<PITEMID_CHILD, kItemsPerAnswer> batch{};
            ULONG given = 0;
            const HRESULT got = Ask([&] {
                return items->Next(static_cast<ULONG>(batch.size()), batch.data(), &given);
            });
            if (FAILED(got)) {
                return Failed(got);
            }
            for (ULONG at = 0; at < given && at < batch.size(); ++at) {
                items_.emplace_back(batch[at]);
            }
            if (got != S_OK || given == 0) {
                return std::nullopt;
            }
        }
    }

    HRESULT Name(PCUITEMID_CHILD item, SHGDNF form, std::u16string& name) {
        STRRET answer = {};
        HRESULT result = Ask([&] { return folder_->GetDisplayNameOf(item, form, &answer); });
        if (FAILED(result)) {
            return result;
        }
        wchar_t* text = nullptr;
        result = StrRetToStrW(&answer, item, &text);
        const OwnedText owned(text);
        if (SUCCEEDED(result) && text != nullptr) {
            name.assign(reinterpret_cast<const char16_t*>(text));
        }
        return result;
    }

    ComPtr<IFolderView> view_;
    ComPtr<IFolderView2> view2_;
    ComPtr<IShellFolder> folder_;
    HWND window_;
    std::vector<OwnedItem> items_; // as the last read listed them
};

} // namespace

// The view serves when it gives its items and the first one's position; a
// view without items cannot show that it does, and a desktop without icons
// is served as well by the list view.
std::unique_ptr<DesktopWay> OpenFolderViewIcons(ShellWindows& shellWindows) {
    const ComPtr<IFolderView> view = DesktopFolderView(shellWindows);
    ComPtr<IShellFolder> folder;
    ComPtr<IShellView> shellView;
    HWND window = nullptr;
    int count = 0;
    PITEMID_CHILD first = nullptr;
    if (view == nullptr || FAILED(Ask([&] { return view->GetFolder(IID_PPV_ARGS(&folder)); })) ||
        FAILED(Ask([&] { return view.As(&shellView); })) ||
        FAILED(Ask([&] { return shellView->GetWindow(&window); })) ||
        FAILED(Ask([&] { return view->ItemCount(SVGIO_ALLVIEW, &count); })) || count <= 0 ||
        FAILED(Ask([&] { return view->Item(0, &first); })) || first == nullptr) {
        return nullptr;
    }
    const OwnedItem owned(first);
    POINT point = {};
    if (FAILED(Ask([&] { return view->GetItemPosition(owned.get(), &point); }))) {
        return nullptr;
    }
    return std::make_unique<FolderViewIcons>(view, folder, window);
}

} // namespace vevove
