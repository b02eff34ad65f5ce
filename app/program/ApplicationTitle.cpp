#include "ApplicationTitle.h"

#include <utility>

namespace vevove {

std::string ApplicationTitle(std::string modulePath, LowerCase lowerCase) {
    std::string name = std::move(modulePath);
    const std::size_t lastBackslash = name.rfind('\\');
    if (lastBackslash != std::string::npos) {
        name.erase(0, lastBackslash + 1);
    }
    const std::size_t firstFullStop = name.find('.');
    if (firstFullStop != std::string::npos) {
        name.erase(firstFullStop);
    }
    if (name.size() > 1) {
        name = name.substr(0, 1) + lowerCase(name.substr(1));
    }
    return name;
}

} // namespace vevove
