#include "DesktopView.h"

#include "ComObject.h"
#include "IconManager.h"
#include "ShellNames.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// An item's PIDL: one SHITEMID of three bytes, its byte of data the icon's
// number, then the terminating zero.
PITEMID_CHILD NewItemId(int icon) {
    auto* bytes = static_cast<BYTE*>(CoTaskMemAlloc(5));
    if (bytes != nullptr) {
        const BYTE id[5] = {3, 0, static_cast<BYTE>(icon), 0, 0};
        std::memcpy(bytes, id, sizeof id);
    }
    return reinterpret_cast<PITEMID_CHILD>(bytes);
}

// Only the header of the first SHITEMID is read: it is all that Wine
// marshals.
int ItemOfId(HWND listView, PCUITEMID_CHILD pidl) {
    if (pidl == nullptr || pidl->mkid.cb < 3) {
        return -1;
    }
    return ItemOfIcon(listView, pidl->mkid.abID[0]);
}

HRESULT GiveText(const std::wstring& text, STRRET* name) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc(bytes));
    if (copy == nullptr) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(copy, text.c_str(), bytes);
    name->uType = STRRET_WSTR;
    name->pOleStr = copy;
    return S_OK;
}

// The icons of the desktop folder, named as the list view shows them
// (SHGDN_NORMAL, and the in-folder names for editing or display) or by their
// file names (SHGDN_INFOLDER | SHGDN_FORPARSING). They have no paths of
// their own here, so the full parsing name is not given.
class DesktopFolder final : public ComObject, public IShellFolder {
  public:
    explicit DesktopFolder(HWND listView) : listView_(listView) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == __uuidof(IShellFolder)) {
            return Hand(static_cast<IShellFolder*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD pidl, SHGDNF flags, STRRET* name) override {
        if (name == nullptr) {
            return E_POINTER;
        }
        const int item = ItemOfId(listView_, pidl);
        if (item < 0) {
            return E_INVALIDARG;
        }
        if ((flags & SHGDN_FORPARSING) == 0) {
            return GiveText(LabelOf(item), name);
        }
        if ((flags & SHGDN_INFOLDER) == 0) {
            return E_NOTIMPL;
        }
        return GiveText(FileNameOf(item), name);
    }

    STDMETHODIMP ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*,
                                  ULONG*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    STDMETHODIMP BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*, void**) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override {
        return E_NOTIMPL;
    }

  private:
    HWND listView_;
};

// The icons as they were in item order when the enumeration was asked for.
class IconEnumeration final : public ComObject, public IEnumIDList {
  public:
    IconEnumeration(std::vector<int> icons, std::size_t next)
        : icons_(std::move(icons)), next_(next) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == __uuidof(IEnumIDList)) {
            return Hand(static_cast<IEnumIDList*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP Next(ULONG wanted, PITEMID_CHILD* ids, ULONG* given) override {
        if (ids == nullptr || (given == nullptr && wanted != 1)) {
            return E_POINTER;
        }
        ULONG count = 0;
        for (; count < wanted && next_ < icons_.size(); ++count, ++next_) {
            ids[count] = NewItemId(icons_[next_]);
        }
        if (given != nullptr) {
            *given = count;
        }
        return count == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const std::size_t left = icons_.size() - next_;
        next_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumIDList** copy) override {
        if (copy == nullptr) {
            return E_POINTER;
        }
        *copy = new IconEnumeration(icons_, next_);
        return S_OK;
    }

  private:
    std::vector<int> icons_;
    std::size_t next_;
};

// Flags that the desktop's view reports besides FWF_AUTOARRANGE, which is
// the list view's style bit.
DWORD g_otherFolderFlags = FWF_DESKTOP | FWF_NOCLIENTEDGE | FWF_NOSCROLL;

class DesktopView final : public ComObject, public IShellView, public IFolderView2 {
  public:
    explicit DesktopView(const FolderViewWindows& windows) : windows_(windows) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == __uuidof(IOleWindow) || riid == __uuidof(IShellView)) {
            return Hand(static_cast<IShellView*>(this), result);
        }
        if (riid == __uuidof(IFolderView) || riid == __uuidof(IFolderView2)) {
            return Hand(static_cast<IFolderView2*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    // IOleWindow and IShellView. A refresh is what loses the positions that
    // only the list view was told (IconManager.h).
    STDMETHODIMP GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = windows_.view;
        return S_OK;
    }
    STDMETHODIMP Refresh() override {
        RefreshIcons(windows_.listView);
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModeless(WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP UIActivate(UINT) override { return E_NOTIMPL; }
    STDMETHODIMP CreateViewWindow(IShellView*, LPCFOLDERSETTINGS, IShellBrowser*, RECT*,
                                  HWND*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP DestroyViewWindow() override { return E_NOTIMPL; }
    STDMETHODIMP GetCurrentInfo(LPFOLDERSETTINGS) override { return E_NOTIMPL; }
    STDMETHODIMP AddPropertySheetPages(DWORD, LPFNSVADDPROPSHEETPAGE, LPARAM) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP SaveViewState() override { return E_NOTIMPL; }
    STDMETHODIMP SelectItem(PCUITEMID_CHILD, SVSIF) override { return E_NOTIMPL; }
    STDMETHODIMP GetItemObject(UINT, REFIID, void**) override { return E_NOTIMPL; }

    // IFolderView.
    STDMETHODIMP GetCurrentViewMode(UINT* mode) override {
        if (mode == nullptr) {
            return E_POINTER;
        }
        *mode = FVM_ICON;
        return S_OK;
    }
    STDMETHODIMP GetFolder(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        auto* folder = new DesktopFolder(windows_.listView);
        const HRESULT answer = folder->QueryInterface(riid, result);
        folder->Release();
        return answer;
    }
    STDMETHODIMP Item(int index, PITEMID_CHILD* pidl) override {
        if (pidl == nullptr) {
            return E_POINTER;
        }
        *pidl = nullptr;
        const int icon = IconOfItem(windows_.listView, index);
        if (icon < 0) {
            return E_INVALIDARG;
        }
        *pidl = NewItemId(icon);
        return *pidl != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP ItemCount(UINT flags, int* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        if ((flags & SVGIO_TYPE_MASK) != SVGIO_ALLVIEW) {
            return E_NOTIMPL;
        }
        *count = Count();
        return S_OK;
    }
    STDMETHODIMP Items(UINT flags, REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if ((flags & SVGIO_TYPE_MASK) != SVGIO_ALLVIEW) {
            return E_NOTIMPL;
        }
        if (riid != __uuidof(IEnumIDList)) {
            return E_NOINTERFACE;
        }
        std::vector<int> icons;
        for (int item = 0, count = Count(); item < count; ++item) {
            icons.push_back(IconOfItem(windows_.listView, item));
        }
        *result = static_cast<IEnumIDList*>(new IconEnumeration(std::move(icons), 0));
        return S_OK;
    }
    STDMETHODIMP GetItemPosition(PCUITEMID_CHILD pidl, POINT* position) override {
        if (position == nullptr) {
            return E_POINTER;
        }
        if (ItemOfId(windows_.listView, pidl) < 0 ||
            !RecordedPosition(pidl->mkid.abID[0], *position)) {
            return E_INVALIDARG;
        }
        return S_OK;
    }
    STDMETHODIMP GetSpacing(POINT* spacing) override {
        if (spacing == nullptr) {
            return E_POINTER;
        }
        const auto both =
            static_cast<DWORD>(SendMessageW(windows_.listView, LVM_GETITEMSPACING, FALSE, 0));
        *spacing = {LOWORD(both), HIWORD(both)};
        return S_OK;
    }
    STDMETHODIMP GetAutoArrange() override { return AutoArrange() ? S_OK : S_FALSE; }
    // Every item is checked before any moves. The selection is left as it
    // is: only SVSI_POSITIONITEM is done.
    STDMETHODIMP SelectAndPositionItems(UINT count, PCUITEMID_CHILD_ARRAY ids, POINT* positions,
                                        DWORD flags) override {
        const bool place = (flags & SVSI_POSITIONITEM) != 0;
        if (count > 0 && (ids == nullptr || (place && positions == nullptr))) {
            return E_INVALIDARG;
        }
        std::vector<int> items;
        for (UINT index = 0; index < count; ++index) {
            items.push_back(ItemOfId(windows_.listView, ids[index]));
            if (items.back() < 0) {
                return E_INVALIDARG;
            }
        }
        for (UINT index = 0; place && index < count; ++index) {
            MoveIcon(windows_.listView, items[index], positions[index]);
        }
        return S_OK;
    }
    STDMETHODIMP SetCurrentViewMode(UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetSelectionMarkedItem(int*) override { return E_NOTIMPL; }
    STDMETHODIMP GetFocusedItem(int*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDefaultSpacing(POINT*) override { return E_NOTIMPL; }
    STDMETHODIMP SelectItem(int, DWORD) override { return E_NOTIMPL; }

    // IFolderView2. Turning automatic arrangement on arranges the icons, and
    // the icon manager takes their new places, as on a real desktop.
    STDMETHODIMP SetCurrentFolderFlags(DWORD mask, DWORD flags) override {
        g_otherFolderFlags = (g_otherFolderFlags & ~mask) | (flags & mask & ~FWF_AUTOARRANGE);
        if ((mask & FWF_AUTOARRANGE) == 0) {
            return S_OK;
        }
        const bool arrange = (flags & FWF_AUTOARRANGE) != 0;
        if (arrange != AutoArrange()) {
            const LONG style = GetWindowLongW(windows_.listView, GWL_STYLE);
            SetWindowLongW(windows_.listView, GWL_STYLE,
                           arrange ? style | LVS_AUTOARRANGE : style & ~LVS_AUTOARRANGE);
            if (arrange) {
                SendMessageW(windows_.listView, LVM_ARRANGE, LVA_DEFAULT, 0);
                RecordAllPositions(windows_.listView);
            }
        }
        return S_OK;
    }
    STDMETHODIMP GetCurrentFolderFlags(DWORD* flags) override {
        if (flags == nullptr) {
            return E_POINTER;
        }
        *flags = g_otherFolderFlags | (AutoArrange() ? DWORD{FWF_AUTOARRANGE} : DWORD{0});
        return S_OK;
    }
    STDMETHODIMP SetGroupBy(REFPROPERTYKEY, WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetGroupBy(PROPERTYKEY*, WINBOOL*) override { return E_NOTIMPL; }
    STDMETHODIMP SetViewProperty(PCUITEMID_CHILD, REFPROPERTYKEY, REFPROPVARIANT) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetViewProperty(PCUITEMID_CHILD, REFPROPERTYKEY, PROPVARIANT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP SetTileViewProperties(PCUITEMID_CHILD, LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtendedTileViewProperties(PCUITEMID_CHILD, LPCWSTR) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP SetText(FVTEXTTYPE, LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP GetSortColumnCount(int*) override { return E_NOTIMPL; }
    STDMETHODIMP SetSortColumns(const SORTCOLUMN*, int) override { return E_NOTIMPL; }
    STDMETHODIMP GetSortColumns(SORTCOLUMN*, int) override { return E_NOTIMPL; }
    STDMETHODIMP GetItem(int, REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP GetVisibleItem(int, WINBOOL, int*) override { return E_NOTIMPL; }
    STDMETHODIMP GetSelectedItem(int, int*) override { return E_NOTIMPL; }
    STDMETHODIMP GetSelection(WINBOOL, IShellItemArray**) override { return E_NOTIMPL; }
    STDMETHODIMP GetSelectionState(PCUITEMID_CHILD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP InvokeVerbOnSelection(LPCSTR) override { return E_NOTIMPL; }
    STDMETHODIMP SetViewModeAndIconSize(FOLDERVIEWMODE, int) override { return E_NOTIMPL; }
    STDMETHODIMP GetViewModeAndIconSize(FOLDERVIEWMODE*, int*) override { return E_NOTIMPL; }
    STDMETHODIMP SetGroupSubsetCount(UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetGroupSubsetCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP SetRedraw(WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP IsMoveInSameFolder() override { return E_NOTIMPL; }
    STDMETHODIMP DoRename() override { return E_NOTIMPL; }

  private:
    int Count() const {
        return static_cast<int>(SendMessageW(windows_.listView, LVM_GETITEMCOUNT, 0, 0));
    }
    bool AutoArrange() const {
        return (GetWindowLongW(windows_.listView, GWL_STYLE) & LVS_AUTOARRANGE) != 0;
    }

    FolderViewWindows windows_;
};

} // namespace

IShellView* NewDesktopView(const FolderViewWindows& windows) {
    return static_cast<IShellView*>(new DesktopView(windows));
}
