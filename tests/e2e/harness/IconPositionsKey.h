// The registry key where Vevove keeps the icon positions, as the tests read
// and prepare it (the tests share Vevove's HKEY_CURRENT_USER).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct RegistryValue {
    std::string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// The values in enumeration order; nothing when the key does not exist.
std::vector<RegistryValue> IconPositionValues();
bool IconPositionsKeyExists();
// The layout key, and the layouts kept per display setup beside the options.
void RemoveIconPositionsKey();
// An 8-byte REG_BINARY value: x, then y, little-endian.
void WriteIconPosition(const std::string& name, int x, int y);

// "name=x,y" for each 8-byte REG_BINARY value, "name:type/size" for others,
// sorted (the order of enumeration is the registry's business); the names in
// the ANSI code page.
std::vector<std::string> SavedPositions();
// The same with the names in UTF-8, read as the registry holds them.
std::vector<std::string> SavedPositionsUtf8();

} // namespace e2e
