#include "StandinFolderView.h"

#include "ComObject.h"
#include "DesktopView.h"
#include "IncomingCalls.h"

#include <exdisp.h>
#include <servprov.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

FolderViewWindows g_windows;
bool g_serving = false;
DWORD g_registration = 0;

// The desktop's browser, which FindWindowSW gives as its IDispatch: it is its
// own top-level browser, and its active view is the desktop's view.
class DesktopBrowser final : public ComObject,
                             public WithoutAutomation<IDispatch>,
                             public IServiceProvider,
                             public IShellBrowser {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            return Hand(static_cast<IDispatch*>(this), result);
        }
        if (riid == IID_IServiceProvider) {
            return Hand(static_cast<IServiceProvider*>(this), result);
        }
        if (riid == __uuidof(IOleWindow) || riid == __uuidof(IShellBrowser)) {
            return Hand(static_cast<IShellBrowser*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP QueryService(REFGUID service, REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (service != SID_STopLevelBrowser && service != SID_SShellBrowser) {
            return E_NOINTERFACE;
        }
        return QueryInterface(riid, result);
    }

    STDMETHODIMP QueryActiveShellView(IShellView** view) override {
        if (view == nullptr) {
            return E_POINTER;
        }
        *view = NewDesktopView(g_windows);
        return S_OK;
    }
    STDMETHODIMP GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = g_windows.progman;
        return S_OK;
    }

    STDMETHODIMP ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenuSB(HMENU, HOLEMENU, HWND) override { return E_NOTIMPL; }
    STDMETHODIMP RemoveMenusSB(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusTextSB(LPCWSTR) override { return E_NOTIMPL; }
    STDMETHODIMP EnableModelessSB(WINBOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return E_NOTIMPL; }
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP GetViewStateStream(DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP GetControlWindow(UINT, HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT*) override { return E_NOTIMPL; }
    STDMETHODIMP OnViewWindowActive(IShellView*) override { return E_NOTIMPL; }
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }
};

// The windows of the shell: only the desktop is among them, found with
// SWC_DESKTOP whatever the location asked for.
class ShellWindows final : public ComObject, public WithoutAutomation<IShellWindows> {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IShellWindows)) {
            return Hand(static_cast<IShellWindows*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return Add(); }
    STDMETHODIMP_(ULONG) Release() override { return Drop(); }

    STDMETHODIMP FindWindowSW(VARIANT*, VARIANT*, int windowClass, LONG* window, int options,
                              IDispatch** browser) override {
        if (window == nullptr || ((options & SWFO_NEEDDISPATCH) != 0 && browser == nullptr)) {
            return E_POINTER;
        }
        *window = 0;
        if (browser != nullptr) {
            *browser = nullptr;
        }
        if (windowClass != SWC_DESKTOP || g_windows.listView == nullptr) {
            return S_FALSE;
        }
        *window = HandleToLong(g_windows.progman);
        if ((options & SWFO_NEEDDISPATCH) != 0) {
            *browser = static_cast<IDispatch*>(new DesktopBrowser());
        }
        return S_OK;
    }

    STDMETHODIMP get_Count(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP Item(VARIANT, IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP _NewEnum(IUnknown**) override { return E_NOTIMPL; }
    STDMETHODIMP Register(IDispatch*, LONG, int, LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP RegisterPending(LONG, VARIANT*, VARIANT*, int, LONG*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Revoke(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP OnNavigate(LONG, VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP OnActivated(LONG, VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP OnCreated(LONG, IUnknown*) override { return E_NOTIMPL; }
    STDMETHODIMP ProcessAttachDetach(VARIANT_BOOL) override { return E_NOTIMPL; }
};

// One for the process, registered for as long as it serves: it is not
// counted among the objects alive, and stays while clients hold it.
class ShellWindowsFactory final : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            return Hand(static_cast<IClassFactory*>(this), result);
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        auto* windows = new ShellWindows();
        const HRESULT answer = windows->QueryInterface(riid, result);
        windows->Release();
        return answer;
    }
    STDMETHODIMP LockServer(WINBOOL) override { return S_OK; }
};

ShellWindowsFactory g_factory;

std::runtime_error Failure(const char* call, HRESULT result) {
    char text[96] = {};
    std::snprintf(text, sizeof text, "%s failed: HRESULT 0x%08lX", call,
                  static_cast<unsigned long>(result));
    return std::runtime_error(text);
}

} // namespace

void ServeFolderView(const std::string& clsid, DWORD callDelay) {
    CLSID served = {};
    std::wstring text(clsid.begin(), clsid.end());
    HRESULT result = CLSIDFromString(text.data(), &served);
    if (FAILED(result)) {
        throw std::runtime_error("not a class id: " + clsid);
    }
    result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(result)) {
        throw Failure("CoInitializeEx", result);
    }
    result = FilterIncomingCalls(callDelay);
    if (FAILED(result)) {
        CoUninitialize();
        throw Failure("CoRegisterMessageFilter", result);
    }
    result = CoRegisterClassObject(served, &g_factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                   &g_registration);
    if (FAILED(result)) {
        CoUninitialize();
        throw Failure("CoRegisterClassObject", result);
    }
    g_serving = true;
}

void SetFolderViewWindows(const FolderViewWindows& windows) {
    g_windows = windows;
}

void StopServingFolderView() {
    if (!g_serving) {
        return;
    }
    CoRevokeClassObject(g_registration);
    CoUninitialize();
    g_serving = false;
}

int LiveFolderViewObjects() {
    return ComObject::Alive();
}
