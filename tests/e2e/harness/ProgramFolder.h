// The folder of the test program, where the programs under test lie beside it.
#pragma once

#include <string>

namespace e2e {

// The folder's full path, ending in a backslash.
std::string FolderOfThisProgram();

} // namespace e2e
