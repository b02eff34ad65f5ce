#include "DesktopWays.h"

#include "SystemFailureText.h"

#include <exdisp.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <memory>

namespace vevove {

namespace {

using Microsoft::WRL::ComPtr;

struct FreeWithTaskAllocator {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
using OwnedItem = std::unique_ptr<ITEMIDLIST, FreeWithTaskAllocator>;
using OwnedText = std::unique_ptr<wchar_t, FreeWithTaskAllocator>;

DesktopFailure Failed(HRESULT result) {
    return DesktopFailure{DesktopFailure::Kind::System,
                          SystemFailureFor(static_cast<std::uint32_t>(result))};
}

// The view of the shell window that shows the desktop.
ComPtr<IFolderView> DesktopFolderView() {
    ComPtr<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&windows)))) {
        return nullptr;
    }
    VARIANT desktop;
    VariantInit(&desktop);
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT none;
    VariantInit(&none);
    long window = 0;
    ComPtr<IDispatch> dispatch;
    if (windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              &dispatch) != S_OK ||
        dispatch == nullptr) {
        return nullptr;
    }
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> shellView;
    ComPtr<IFolderView> view;
    if (FAILED(dispatch.As(&services)) ||
        FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser))) ||
        FAILED(browser->QueryActiveShellView(&shellView)) || shellView == nullptr ||
        FAILED(shellView.As(&view))) {
        return nullptr;
    }
    return view;
}

class FolderViewIcons final : public DesktopIconView {
  public:
    FolderViewIcons(ComPtr<IFolderView> view, ComPtr<IShellFolder> folder,
                    std::vector<OwnedItem> items)
        : view_(std::move(view)), folder_(std::move(folder)), items_(std::move(items)) {
        view_.As(&view2_);
    }

    // Automatic arrangement that a failed command had switched off comes
    // back before the view goes.
    ~FolderViewIcons() override {
        if (switchedOff_) {
            SetAutoArrange(true);
        }
    }

    DesktopResult Icons(IconParts parts, std::vector<DesktopIcon>& icons) override {
        icons.clear();
        for (const OwnedItem& item : items_) {
            DesktopIcon icon;
            if (const HRESULT named = Name(item.get(), SHGDN_NORMAL, icon.label); FAILED(named)) {
                return Failed(named);
            }
            if (parts == IconParts::LabelsAndPositions) {
                POINT point = {};
                if (const HRESULT placed = view_->GetItemPosition(item.get(), &point);
                    FAILED(placed)) {
                    return Failed(placed);
                }
                icon.x = point.x;
                icon.y = point.y;
            }
            icons.push_back(std::move(icon));
            ShellAnswered();
        }
        return std::nullopt;
    }

    // The name the folder parses, in the folder: the file's name with its
    // extension, which no other item of the folder bears.
    DesktopResult FileNames(const std::vector<std::size_t>& icons,
                            std::vector<std::u16string>& names) override {
        names.clear();
        for (const std::size_t icon : icons) {
            std::u16string name;
            if (icon < items_.size()) {
                if (const HRESULT named =
                        Name(items_[icon].get(), SHGDN_INFOLDER | SHGDN_FORPARSING, name);
                    FAILED(named)) {
                    return Failed(named);
                }
            }
            names.push_back(std::move(name));
            ShellAnswered();
        }
        return std::nullopt;
    }

    DesktopResult AutoArrange(bool& on) override {
        if (view2_ != nullptr) {
            DWORD flags = 0;
            if (const HRESULT read = view2_->GetCurrentFolderFlags(&flags); FAILED(read)) {
                return Failed(read);
            }
            on = (flags & FWF_AUTOARRANGE) != 0;
            return std::nullopt;
        }
        on = view_->GetAutoArrange() == S_OK;
        return std::nullopt;
    }

    // Only that flag changes. A view without IFolderView2 cannot switch it:
    // its icons then move as far as its arrangement lets them.
    DesktopResult SetAutoArrange(bool on) override {
        if (view2_ == nullptr) {
            return std::nullopt;
        }
        if (const HRESULT set = view2_->SetCurrentFolderFlags(
                FWF_AUTOARRANGE, on ? DWORD{FWF_AUTOARRANGE} : DWORD{0});
            FAILED(set)) {
            return Failed(set);
        }
        switchedOff_ = !on;
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
        const HRESULT moved = view_->SelectAndPositionItems(
            static_cast<UINT>(items.size()), items.data(), points.data(), SVSI_POSITIONITEM);
        return FAILED(moved) ? std::optional(Failed(moved)) : std::nullopt;
    }

  private:
    HRESULT Name(PCUITEMID_CHILD item, SHGDNF form, std::u16string& name) {
        STRRET answer = {};
        HRESULT result = folder_->GetDisplayNameOf(item, form, &answer);
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
    std::vector<OwnedItem> items_; // in the view's order
    bool switchedOff_ = false;
};

} // namespace

// The view serves when it gives its items and the first one's position; a
// view without items cannot show that it does, and a desktop without icons
// is served as well by the list view.
void OpenFolderViewIcons(ShellSession& session) {
    const ComPtr<IFolderView> view = DesktopFolderView();
    ComPtr<IShellFolder> folder;
    int count = 0;
    if (view == nullptr || FAILED(view->GetFolder(IID_PPV_ARGS(&folder))) ||
        FAILED(view->ItemCount(SVGIO_ALLVIEW, &count)) || count <= 0) {
        return;
    }
    std::vector<OwnedItem> items;
    for (int at = 0; at < count; ++at) {
        PITEMID_CHILD item = nullptr;
        if (FAILED(view->Item(at, &item)) || item == nullptr) {
            return;
        }
        items.emplace_back(item);
        ShellAnswered();
    }
    POINT point = {};
    if (FAILED(view->GetItemPosition(items.front().get(), &point))) {
        return;
    }
    session = std::make_unique<FolderViewIcons>(view, folder, std::move(items));
}

} // namespace vevove
