#include "app/ApplicationTitle.h"

namespace vevove {

std::string ApplicationTitle(Platform& os) {
    std::string name = os.moduleFileName();
    const std::size_t lastBackslash = name.rfind('\\');
    if (lastBackslash != std::string::npos) {
        name.erase(0, lastBackslash + 1);
    }
    const std::size_t firstFullStop = name.find('.');
    if (firstFullStop != std::string::npos) {
        name.erase(firstFullStop);
    }
    if (name.size() > 1) {
        name = name.substr(0, 1) + os.lowerCase(name.substr(1));
    }
    return name;
}

} // namespace vevove
