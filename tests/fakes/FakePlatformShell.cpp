// The FakePlatform calls that reach the desktop shell (its windows, process
// and memory) and the registry.
#include "tests/fakes/FakePlatform.h"

namespace vevove::fake {

namespace {

constexpr std::uint32_t kVmOperation = 0x0008;
constexpr std::uint32_t kVmRead = 0x0010;
constexpr std::uint32_t kVmWrite = 0x0020;
constexpr std::uint32_t kQueryLimitedInformation = 0x1000;
constexpr std::uint32_t kQueryInformation = 0x0400;
constexpr std::uint32_t kMemRelease = 0x8000;
constexpr int kStyleIndex = -16;

} // namespace

bool FakePlatform::hasRights(Handle process, std::uint32_t rights) {
    const auto entry = processAccess_.find(process);
    if (entry == processAccess_.end()) {
        lastError = kErrorInvalidHandle;
        return false;
    }
    if ((entry->second & rights) != rights) {
        lastError = kErrorAccessDenied;
        return false;
    }
    return true;
}

WindowHandle FakePlatform::findWindow(const std::string& className) {
    calls.note("FindWindowA");
    return desktop.findChild(0, 0, className);
}

WindowHandle FakePlatform::findChildWindow(WindowHandle parent, WindowHandle after,
                                           const std::string& className) {
    calls.note("FindWindowExA");
    return desktop.findChild(parent, after, className);
}

std::uint32_t FakePlatform::windowProcessId(WindowHandle window) {
    calls.note("GetWindowThreadProcessId");
    return desktop.processOf(window);
}

std::int32_t FakePlatform::getWindowLong(WindowHandle window, int index) {
    calls.note("GetWindowLongA");
    if (window != desktop.listViewWindow() || index != kStyleIndex) {
        lastError = kErrorInvalidWindowHandle;
        return 0;
    }
    return desktop.listView.style;
}

std::int32_t FakePlatform::setWindowLong(WindowHandle window, int index, std::int32_t value) {
    calls.note("SetWindowLongA");
    if (window != desktop.listViewWindow() || index != kStyleIndex) {
        lastError = kErrorInvalidWindowHandle;
        return 0;
    }
    const std::int32_t previous = desktop.listView.style;
    desktop.listView.style = value;
    return previous;
}

std::int64_t FakePlatform::sendMessage(WindowHandle window, std::uint32_t message,
                                       std::uint64_t wParam, std::int64_t lParam) {
    calls.note("SendMessageA");
    if (window != desktop.listViewWindow()) {
        return 0;
    }
    return desktop.listView.message(message, wParam, lParam);
}

Handle FakePlatform::openProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    if (failsNow("OpenProcess")) {
        return 0;
    }
    if (processId != desktop.process.id || inherit) {
        lastError = kErrorInvalidParameter;
        return 0;
    }
    if ((access & ~desktop.process.grantedAccess) != 0) {
        lastError = kErrorAccessDenied;
        return 0;
    }
    const Handle handle = handles.open(HandleKind::Process, std::to_string(processId));
    processAccess_[handle] = access;
    return handle;
}

bool FakePlatform::processPointerBits(Handle process, int& bits) {
    if (failsNow("IsWow64Process")) {
        return false;
    }
    const auto entry = processAccess_.find(process);
    if (entry != processAccess_.end() && (entry->second & kQueryInformation) != 0) {
        bits = desktop.process.pointerBits;
        return true;
    }
    if (!hasRights(process, kQueryLimitedInformation)) {
        return false;
    }
    bits = desktop.process.pointerBits;
    return true;
}

int FakePlatform::ownPointerBits() {
    return pointerBits;
}

RemoteAddress FakePlatform::virtualAllocEx(Handle process, std::uint32_t size, std::uint32_t type,
                                           std::uint32_t protect) {
    if (failsNow("VirtualAllocEx") || !hasRights(process, kVmOperation)) {
        return 0;
    }
    if (size == 0 || type == 0) {
        lastError = kErrorInvalidParameter;
        return 0;
    }
    return desktop.process.reserve(size, protect);
}

// Only a whole block is released: size 0 and MEM_RELEASE.
bool FakePlatform::virtualFreeEx(Handle process, RemoteAddress address, std::uint32_t size,
                                 std::uint32_t type) {
    if (failsNow("VirtualFreeEx") || !hasRights(process, kVmOperation)) {
        return false;
    }
    if (size != 0 || type != kMemRelease) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    if (!desktop.process.release(address)) {
        lastError = kErrorInvalidAddress;
        return false;
    }
    return true;
}

bool FakePlatform::writeProcessMemory(Handle process, RemoteAddress destination, const void* source,
                                      std::uint32_t count, std::uint32_t& written) {
    written = 0;
    if (failsNow("WriteProcessMemory") || !hasRights(process, kVmWrite | kVmOperation)) {
        return false;
    }
    if (!desktop.process.write(destination, source, count)) {
        lastError = kErrorNoAccess;
        return false;
    }
    written = count;
    return true;
}

bool FakePlatform::readProcessMemory(Handle process, RemoteAddress source, void* destination,
                                     std::uint32_t count, std::uint32_t& read) {
    read = 0;
    if (failsNow("ReadProcessMemory") || !hasRights(process, kVmRead)) {
        return false;
    }
    if (!desktop.process.read(source, destination, count)) {
        lastError = kErrorPartialCopy;
        return false;
    }
    read = count;
    return true;
}

// Registry calls return their error code and leave the last-error code alone;
// an injected failure does nothing else.
std::int32_t FakePlatform::regDeleteKey(RegistryKey parent, const std::string& path) {
    std::uint32_t code = 0;
    if (calls.record("RegDeleteKeyA", code)) {
        return static_cast<std::int32_t>(code);
    }
    return registry.deleteKey(parent, path);
}

std::int32_t FakePlatform::regCreateKeyEx(RegistryKey parent, const std::string& path,
                                          std::uint32_t options, std::uint32_t access,
                                          RegistryKey& key) {
    std::uint32_t code = 0;
    key = 0;
    if (calls.record("RegCreateKeyExA", code)) {
        return static_cast<std::int32_t>(code);
    }
    if (options != 0) {
        return static_cast<std::int32_t>(kErrorInvalidParameter);
    }
    return registry.createKey(parent, path, access, key);
}

std::int32_t FakePlatform::regOpenKeyEx(RegistryKey parent, const std::string& path,
                                        std::uint32_t options, std::uint32_t access,
                                        RegistryKey& key) {
    std::uint32_t code = 0;
    key = 0;
    if (calls.record("RegOpenKeyExA", code)) {
        return static_cast<std::int32_t>(code);
    }
    if (options != 0) {
        return static_cast<std::int32_t>(kErrorInvalidParameter);
    }
    return registry.openKey(parent, path, access, key);
}

std::int32_t FakePlatform::regSetValueEx(RegistryKey key, const std::string& name,
                                         std::uint32_t type, const void* data, std::uint32_t size) {
    std::uint32_t code = 0;
    if (calls.record("RegSetValueExA", code)) {
        return static_cast<std::int32_t>(code);
    }
    return registry.setValue(key, name, type, data, size);
}

std::int32_t FakePlatform::regEnumValue(RegistryKey key, std::uint32_t index, std::string& name,
                                        std::uint32_t& nameLength, std::uint32_t& type, void* data,
                                        std::uint32_t& dataSize) {
    std::uint32_t code = 0;
    if (calls.record("RegEnumValueA", code)) {
        return static_cast<std::int32_t>(code);
    }
    return registry.enumValue(key, index, name, nameLength, type, data, dataSize);
}

std::int32_t FakePlatform::regCloseKey(RegistryKey key) {
    std::uint32_t code = 0;
    if (calls.record("RegCloseKey", code)) {
        return static_cast<std::int32_t>(code);
    }
    return registry.closeKey(key);
}

} // namespace vevove::fake
