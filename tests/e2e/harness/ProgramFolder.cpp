#include "harness/ProgramFolder.h"

#include <windows.h>

namespace e2e {

std::string FolderOfThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

} // namespace e2e
