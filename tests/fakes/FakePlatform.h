// A simulated Windows for the logic's tests: one object that keeps real state
// (files, handles, the last-error code, special folders, controls) and answers
// the calls of platform/Platform.h from it, as Win32 would.
//
// Each area lives in its own class, reachable as a public member, so a test
// sets up and inspects the world directly:
//
//   FakePlatform os;
//   os.files.addFile("C:\\ProgramData\\ScrDef.ini", "1280\r\n1024\r\nauto\r\n");
//   os.calls.failNext("ReadFile", kErrorAccessDenied);
//   ... run the logic ...
//   EXPECT_EQ(os.handles.openHandles(), std::vector<std::string>{});
//
// A new area (display modes, the registry, the shell's process) is a new
// member class plus the overrides that delegate to it, and its call names
// declared in the constructor.
#pragma once

#include "platform/Platform.h"
#include "tests/fakes/FakeCalls.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCodePage.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeDisplay.h"
#include "tests/fakes/FakeErrorCodes.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeHandles.h"
#include "tests/fakes/FakeMessages.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeShellFolders.h"
#include "tests/fakes/FakeWindows.h"

#include <cstdint>
#include <map>
#include <string>

namespace vevove::fake {

class FakePlatform : public Platform {
  public:
    // A machine with the folders "C:\" and "C:\ProgramData", the latter being
    // the all-users application-data folder, "C:\" as the current folder, and
    // the executable "C:\Program Files\Vevove\Vevove.exe".
    FakePlatform();

    FakeCalls calls;
    FakeHandles handles;
    FakeClock clock;
    FakeFileSystem files{handles, clock};
    FakeMessages messages;
    FakeCodePage codePage;
    FakeShellFolders shell;
    FakeWindows windows;
    FakeDisplay display;
    FakeDesktop desktop;
    FakeRegistry registry;
    // The width of the program's own pointers.
    int pointerBits = 64;
    std::string modulePath = "C:\\Program Files\\Vevove\\Vevove.exe";
    // The calling thread's last-error code, as SetLastError leaves it.
    std::uint32_t lastError = 0;

    std::uint32_t getLastError() override;
    bool formatMessage(std::uint32_t code, std::size_t capacity, std::string& text) override;

    std::string moduleFileName() override;
    std::string lowerCase(const std::string& text) override;
    bool isLeadByte(std::uint8_t byte) override;

    std::int32_t specialFolderLocation(int folder, IdListHandle& list) override;
    bool pathFromIdList(IdListHandle list, std::string& path) override;
    void freeIdList(IdListHandle list) override;

    Handle findFirstFile(const std::string& pattern, FindData& data) override;
    void findClose(Handle search) override;
    bool fileTimeToLocalFileTime(FileTime utc, FileTime& local) override;
    bool fileTimeToDosDateTime(FileTime time, std::uint16_t& date, std::uint16_t& dosTime) override;
    Handle createFile(const std::string& path, std::uint32_t access, std::uint32_t share,
                      std::uint32_t disposition, std::uint32_t attributes) override;
    bool readFile(Handle file, void* buffer, std::uint32_t count, std::uint32_t& read) override;
    bool writeFile(Handle file, const void* data, std::uint32_t count,
                   std::uint32_t& written) override;
    bool closeHandle(Handle handle) override;
    std::string fullPathName(const std::string& path) override;

    std::string windowText(WindowHandle window) override;
    void setWindowText(WindowHandle window, const std::string& text) override;
    bool isChecked(WindowHandle checkBox) override;
    void setChecked(WindowHandle checkBox, bool checked) override;

    int systemMetrics(int index) override;
    bool enumDisplaySettings(std::uint32_t modeNumber, DisplayMode& mode) override;
    std::int32_t changeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) override;

    WindowHandle findWindow(const std::string& className) override;
    WindowHandle findChildWindow(WindowHandle parent, WindowHandle after,
                                 const std::string& className) override;
    std::uint32_t windowProcessId(WindowHandle window) override;
    std::int32_t getWindowLong(WindowHandle window, int index) override;
    std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) override;
    std::int64_t sendMessage(WindowHandle window, std::uint32_t message, std::uint64_t wParam,
                             std::int64_t lParam) override;

    Handle openProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool processPointerBits(Handle process, int& bits) override;
    int ownPointerBits() override;
    RemoteAddress virtualAllocEx(Handle process, std::uint32_t size, std::uint32_t type,
                                 std::uint32_t protect) override;
    bool virtualFreeEx(Handle process, RemoteAddress address, std::uint32_t size,
                       std::uint32_t type) override;
    bool writeProcessMemory(Handle process, RemoteAddress destination, const void* source,
                            std::uint32_t count, std::uint32_t& written) override;
    bool readProcessMemory(Handle process, RemoteAddress source, void* destination,
                           std::uint32_t count, std::uint32_t& read) override;

    std::int32_t regDeleteKey(RegistryKey parent, const std::string& path) override;
    std::int32_t regCreateKeyEx(RegistryKey parent, const std::string& path, std::uint32_t options,
                                std::uint32_t access, RegistryKey& key) override;
    std::int32_t regOpenKeyEx(RegistryKey parent, const std::string& path, std::uint32_t options,
                              std::uint32_t access, RegistryKey& key) override;
    std::int32_t regSetValueEx(RegistryKey key, const std::string& name, std::uint32_t type,
                               const void* data, std::uint32_t size) override;
    std::int32_t regEnumValue(RegistryKey key, std::uint32_t index, std::string& name,
                              std::uint32_t& nameLength, std::uint32_t& type, void* data,
                              std::uint32_t& dataSize) override;
    std::int32_t regCloseKey(RegistryKey key) override;

    // The rights each open process handle was opened with.
    const std::map<Handle, std::uint32_t>& processHandles() const { return processAccess_; }

  private:
    // Logs the call; true when a failure was injected, with the last-error
    // code set to the injected one.
    bool failsNow(const char* call);
    // True for a handle of that kind; otherwise sets ERROR_INVALID_HANDLE.
    bool isOpen(Handle handle, HandleKind kind);
    // True for an open process handle with all of `rights`; otherwise sets
    // ERROR_INVALID_HANDLE or ERROR_ACCESS_DENIED.
    bool hasRights(Handle process, std::uint32_t rights);

    std::map<Handle, std::uint32_t> processAccess_;
};

} // namespace vevove::fake
