// The seam's pure helpers, the same on every system.
#include "OperatingSystem.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace mirobanth::os {

// The runtime library's copy of the environment, which setEnvironmentValue
// changes too; on Windows its narrow texts are UTF-8, as everywhere.
std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::optional<std::string> fileContent(const std::string& path) {
    if (!isReadableFile(path)) return std::nullopt;
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return content;
}

std::string productFolder() {
    static const char insideThisModule = 0;
    return moduleFolder(&insideThisModule);
}

std::string productSystemFolder() { return inFolder(productFolder(), "system/"); }

std::string inFolder(const std::string& folder, const std::string& entry,
                     const std::string& separator) {
    if (folder.empty()) return entry;
    if (entry == ".") return folder;
    return folder + separator + entry;
}

std::vector<std::string> pathListEntries(const std::string& list, const std::string& separator) {
    std::vector<std::string> entries;
    for (std::size_t start = 0;;) {
        const std::size_t end = list.find(separator, start);
        entries.push_back(list.substr(start, end - start));
        if (end == std::string::npos) return entries;
        start = end + separator.size();
    }
}

namespace {

bool isWindowsSeparator(char c) { return c == '\\' || c == '/'; }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

// Two leading separators start every UNC form, \\?\ and \\.\ included.
bool isAbsolutePath(const std::string& path, System system) {
    if (system == System::Linux) return !path.empty() && path[0] == '/';
    if (path.size() >= 2 && isWindowsSeparator(path[0]) && isWindowsSeparator(path[1])) return true;
    return path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == ':' &&
           isWindowsSeparator(path[2]);
}

std::string pathListProblem(const std::string& folder, const std::string& separator) {
    if (folder.empty()) return "The product folder cannot be found";
    if (folder.find(separator) == std::string::npos) return "";
    return "The product folder " + folder + " holds '" + separator +
           "', which separates the entries of a Java class path; install the product in a "
           "folder whose path has no '" +
           separator + "'";
}

}  // namespace mirobanth::os
