#pragma once

#include <exception>

namespace vevove {

class Application;

// Shows an error to the user in the system's message box, titled with the
// application's title, while the program's other windows are disabled.
void ShowErrorBox(Application& application, const std::exception& error);

} // namespace vevove
