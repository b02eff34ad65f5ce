#include "ErrorText.h"

#include "Format.h"

namespace vevove {

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

std::string StartupErrorText(const std::string& kindName, const std::string& moduleName,
                             std::uintptr_t offset, const std::string& message) {
    const char* fullStop = (!message.empty() && message.back() != '.') ? "." : "";
    return Format("Exception %s in Modul %s bei %08X.\r\n%s%s\r\n", kindName.c_str(),
                  moduleName.c_str(), static_cast<unsigned>(offset), message.c_str(), fullStop);
}

} // namespace vevove
