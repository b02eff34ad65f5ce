#include "IconsFile.h"

#include "Utf8.h"

#include <fstream>
#include <stdexcept>

namespace {

DesktopIcon ParseLine(const std::string& line, int number, IconsFileEncoding encoding) {
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    if (second == std::string::npos) {
        throw std::runtime_error("line " + std::to_string(number) + ": x<TAB>y<TAB>text expected");
    }
    DesktopIcon icon;
    icon.x = std::stoi(line.substr(0, first));
    icon.y = std::stoi(line.substr(first + 1, second - first - 1));
    const std::size_t third = line.find('\t', second + 1);
    icon.text = line.substr(second + 1, third == std::string::npos ? third : third - second - 1);
    icon.fileName = third == std::string::npos ? std::string() : line.substr(third + 1);
    if (icon.fileName.empty()) {
        icon.fileName = icon.text;
    }
    if (encoding == IconsFileEncoding::Utf8 && !(IsUtf8(icon.text) && IsUtf8(icon.fileName))) {
        throw std::runtime_error("line " + std::to_string(number) +
                                 ": the text or the file name is not UTF-8");
    }
    return icon;
}

} // namespace

std::vector<DesktopIcon> ReadIconsFile(const std::string& path, IconsFileEncoding encoding) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<DesktopIcon> icons;
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        icons.push_back(ParseLine(line, number, encoding));
    }
    return icons;
}
