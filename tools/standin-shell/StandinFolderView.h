// The desktop's folder view, served over COM as Explorer serves it, for
// --folder-view: a client asks CLSID_ShellWindows (CLSCTX_LOCAL_SERVER) for
// the desktop with FindWindowSW(CSIDL_DESKTOP, SWC_DESKTOP,
// SWFO_NEEDDISPATCH), which gives the "Progman" window and a browser; its
// IServiceProvider gives the top-level browser (SID_STopLevelBrowser,
// IShellBrowser), whose active shell view is also the IFolderView2 of the
// desktop's icons, whose folder (IShellFolder) names them.
//
// The stand-in cannot take the real CLSID_ShellWindows from Wine's own
// explorer, so it serves its own class, kStandinShellWindowsClsidText, and the
// Wine prefix points the real one at it with a TreatAs key under HKLM (Wine
// ignores one under HKCU):
//
//   wine reg add "HKLM\Software\Classes\CLSID\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\TreatAs"
//       /ve /d "{221C264E-402C-4029-B92A-C81CCB54745A}" /f
//
// Wine's class table (rpcss) keeps the registration of a stand-in that is
// killed instead of closed, for as long as the wineserver runs, and gives the
// oldest registration of a class to every client: after that, CoCreateInstance
// fails with RPC_S_SERVER_UNAVAILABLE (0x800706BA) whichever stand-in runs. A
// stand-in closed with WM_CLOSE to "Progman" revokes its class; one that may
// be killed is best given a class of its own (--clsid), at which the TreatAs
// key is pointed before it starts.
//
// Everything is served from the desktop's one thread, whose message loop
// takes the calls (a single-threaded apartment): while the desktop hangs, so
// do the calls. Its message filter can make each call slow, or turn one away
// (IncomingCalls.h).
//
// Wine marshals a PIDL as its first SHITEMID's header only (cb and abID[0]),
// so an item's PIDL is one SHITEMID of cb = 3 whose one byte is its icon's
// number (IconManager.h) (then the terminating zero): at most 255 icons, the
// late ones (--late-icons) included.
#pragma once

#include <windows.h>

#include <string>

constexpr char kStandinShellWindowsClsidText[] = "{221C264E-402C-4029-B92A-C81CCB54745A}";
constexpr int kMostFolderViewIcons = 255;

struct FolderViewWindows {
    // The window that FindWindowSW gives.
    HWND progman = nullptr;
    // "SHELLDLL_DefView" and its list view; none with --foreign-only, where
    // FindWindowSW finds no desktop (S_FALSE).
    HWND view = nullptr;
    HWND listView = nullptr;
};

// Enters a single-threaded apartment on the calling thread, which holds each
// call to the folder view `callDelay` milliseconds before it runs, and
// registers the class `clsid` ("{...}"); throws std::runtime_error naming the
// call that failed and its HRESULT. Called before the desktop's windows are
// made, so that the class is there once the list view can be found; calls
// wait in the thread's message queue until its message loop runs.
void ServeFolderView(const std::string& clsid, DWORD callDelay);
// The windows that the folder view serves, once they are made.
void SetFolderViewWindows(const FolderViewWindows& windows);
// Revokes the class and leaves the apartment; nothing without a ServeFolderView.
void StopServingFolderView();
// The COM objects served that are still alive, for the tests of clients that
// must release what they get.
int LiveFolderViewObjects();
