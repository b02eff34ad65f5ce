#include "Win32Platform.h"

#include "SystemFailureText.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>

// The registry compares value names with the system's own upper-case table,
// one UTF-16 unit at a time; ntdll exports that table's mapping.
extern "C" WCHAR NTAPI RtlUpcaseUnicodeChar(WCHAR source);

namespace vevove {

namespace {

// A value name has at most 16,383 UTF-16 units and its terminating zero.
constexpr DWORD kLongestValueName = 16383 + 1;

HKEY ToKey(RegistryKeyId key) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}
RegistryKeyId FromKey(HKEY key) {
    return static_cast<RegistryKeyId>(reinterpret_cast<ULONG_PTR>(key));
}
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The key's path is plain ASCII.
WideText WidePath(const std::string& path) {
    return WideText(path.begin(), path.end());
}

std::optional<SystemFailure> FailureOf(LONG result) {
    if (result == ERROR_SUCCESS) {
        return std::nullopt;
    }
    return SystemFailureFor(static_cast<std::uint32_t>(result));
}

} // namespace

std::optional<SystemFailure> Win32UserRegistry::CreateKey(const std::string& path,
                                                          RegistryKeyId& key) {
    HKEY created = nullptr;
    const LONG result =
        RegCreateKeyExW(HKEY_CURRENT_USER, WidePath(path).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, &created, nullptr);
    if (result == ERROR_SUCCESS) {
        key = FromKey(created);
    }
    return FailureOf(result);
}

bool Win32UserRegistry::OpenKey(const std::string& path, RegistryKeyId& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WidePath(path).c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return false;
    }
    key = FromKey(opened);
    return true;
}

void Win32UserRegistry::CloseKey(RegistryKeyId key) {
    RegCloseKey(ToKey(key));
}

// The buffers start at the longest name and data the key reports. A value
// may grow meanwhile: a value that does not fit is read again with larger
// buffers. Any other failure ends the values there.
std::vector<RegistryValue> Win32UserRegistry::Values(RegistryKeyId key) {
    DWORD nameCapacity = 0;
    DWORD dataCapacity = 0;
    if (RegQueryInfoKeyW(ToKey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &nameCapacity, &dataCapacity, nullptr, nullptr) != ERROR_SUCCESS) {
        return {};
    }
    nameCapacity = std::min(nameCapacity + 1, kLongestValueName);
    std::vector<RegistryValue> values;
    for (DWORD index = 0;;) {
        std::u16string name(nameCapacity, u'\0');
        std::vector<std::uint8_t> data(std::max<DWORD>(dataCapacity, 1));
        DWORD nameLength = nameCapacity;
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const LONG result =
            RegEnumValueW(ToKey(key), index, reinterpret_cast<wchar_t*>(name.data()), &nameLength,
                          nullptr, &type, data.data(), &dataSize);
        if (result == ERROR_MORE_DATA) {
            nameCapacity = std::min(nameCapacity * 2, kLongestValueName);
            dataCapacity = std::max(dataCapacity * 2, dataSize);
            continue;
        }
        if (result != ERROR_SUCCESS) {
            return values;
        }
        name.resize(nameLength);
        data.resize(dataSize);
        values.push_back(RegistryValue{std::move(name), type, std::move(data)});
        ++index;
    }
}

std::optional<SystemFailure> Win32UserRegistry::SetValue(RegistryKeyId key,
                                                         const RegistryValue& value) {
    return FailureOf(RegSetValueExW(ToKey(key), Wide(value.name), 0, value.type, value.data.data(),
                                    static_cast<DWORD>(value.data.size())));
}

std::optional<SystemFailure> Win32UserRegistry::DeleteValue(RegistryKeyId key,
                                                            const std::u16string& name) {
    const LONG result = RegDeleteValueW(ToKey(key), Wide(name));
    return result == ERROR_FILE_NOT_FOUND ? std::nullopt : FailureOf(result);
}

// Key names here are plain ASCII; a name of any other kind is no key of
// Vevove's and is left out.
std::vector<std::string> Win32UserRegistry::SubkeyNames(const std::string& path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WidePath(path).c_str(), 0, KEY_ENUMERATE_SUB_KEYS,
                      &opened) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        DWORD length = 256;
        if (RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        const WideText wide(name, length);
        if (std::all_of(wide.begin(), wide.end(), [](wchar_t unit) { return unit < 0x80; })) {
            names.emplace_back(wide.begin(), wide.end());
        }
    }
    RegCloseKey(opened);
    return names;
}

std::optional<SystemFailure> Win32UserRegistry::DeleteKey(const std::string& path) {
    const LONG result = RegDeleteKeyW(HKEY_CURRENT_USER, WidePath(path).c_str());
    return result == ERROR_FILE_NOT_FOUND ? std::nullopt : FailureOf(result);
}

std::u16string Win32UserRegistry::ValueNameForm(const std::u16string& name) {
    std::u16string form(name);
    for (char16_t& unit : form) {
        unit = static_cast<char16_t>(RtlUpcaseUnicodeChar(static_cast<WCHAR>(unit)));
    }
    return form;
}

} // namespace vevove
