// The folder of the test program, where the programs under test lie beside it.
#pragma once

#include <string>

namespace e2e {

// The folder's full path, ending in a backslash.
std::string FolderOfThisProgram();

// A folder of that name in the temporary folder, made if need be; its full
// path, ending in a backslash.
std::string TemporaryFolder(const std::string& name);

} // namespace e2e
