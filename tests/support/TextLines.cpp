#include "TextLines.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace mirobanth::test {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.push_back(line);
    }
    return result;
}

std::string fileText(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> fileLines(const std::string& path) { return lines(fileText(path)); }

std::vector<std::string> concatenated(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> result;
    for (const std::vector<std::string>& part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

}  // namespace mirobanth::test
