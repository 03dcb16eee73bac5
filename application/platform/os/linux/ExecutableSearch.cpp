#include "platform/os/linux/ExecutableSearch.h"

#include <sys/stat.h>
#include <unistd.h>

#include "OperatingSystem.h"

namespace mirobanth::application {

namespace {

bool isRunnableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::vector<std::string> ExecutableSearch::folders(const std::string& searchPath) {
    std::vector<std::string> result;
    for (const std::string& folder : os::pathListEntries(searchPath)) {
        if (os::isAbsolutePath(folder)) result.push_back(folder);
    }
    return result;
}

std::vector<std::string> ExecutableSearch::findAll(const std::string& name,
                                                   const std::string& searchPath) {
    std::vector<std::string> found;
    for (const auto& folder : folders(searchPath)) {
        std::string candidate = folder + "/" + name;
        if (isRunnableFile(candidate)) found.push_back(candidate);
    }
    return found;
}

std::string ExecutableSearch::find(const std::string& name, const std::string& searchPath) {
    auto found = findAll(name, searchPath);
    return found.empty() ? "" : found.front();
}

}  // namespace mirobanth::application
