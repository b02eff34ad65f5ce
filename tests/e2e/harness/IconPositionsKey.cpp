#include "harness/IconPositionsKey.h"

#include <algorithm>
#include <cstring>

namespace e2e {

namespace {

constexpr const char* kKey = "Software\\VUD\\Rovaraz Urov Adivuded Evare";
constexpr const wchar_t* kWideKey = L"Software\\VUD\\Rovaraz Urov Adivuded Evare";

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

// The values with their names in UTF-8.
std::vector<RegistryValue> Utf8PositionValues() {
    std::vector<RegistryValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kWideKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384] = {};
        DWORD nameLength = 16384;
        BYTE data[1024] = {};
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        values.push_back(RegistryValue{Utf8(std::wstring(name, nameLength)), type,
                                       std::vector<BYTE>(data, data + size)});
    }
    RegCloseKey(key);
    return values;
}

std::vector<std::string> Positions(const std::vector<RegistryValue>& values) {
    std::vector<std::string> saved;
    for (const RegistryValue& value : values) {
        if (value.type != REG_BINARY || value.data.size() != 8) {
            saved.push_back(value.name + ":" + std::to_string(value.type) + "/" +
                            std::to_string(value.data.size()));
            continue;
        }
        std::int32_t point[2];
        std::memcpy(point, value.data.data(), sizeof point);
        saved.push_back(value.name + "=" + std::to_string(point[0]) + "," +
                        std::to_string(point[1]));
    }
    std::sort(saved.begin(), saved.end());
    return saved;
}

} // namespace

std::vector<RegistryValue> IconPositionValues() {
    std::vector<RegistryValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        char name[16384] = {};
        DWORD nameLength = sizeof name;
        BYTE data[1024] = {};
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        values.push_back(RegistryValue{std::string(name, nameLength), type,
                                       std::vector<BYTE>(data, data + size)});
    }
    RegCloseKey(key);
    return values;
}

bool IconPositionsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void RemoveIconPositionsKey() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VUD\\Vevove\\Layouts");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VUD\\Vevove\\Before last restore");
}

void WriteIconPosition(const std::string& name, int x, int y) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::int32_t point[2] = {x, y};
    RegSetValueExA(key, name.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(point),
                   sizeof point);
    RegCloseKey(key);
}

std::vector<std::string> SavedPositions() {
    return Positions(IconPositionValues());
}

std::vector<std::string> SavedPositionsUtf8() {
    return Positions(Utf8PositionValues());
}

} // namespace e2e
