#include "TestSystem.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace mirobanth::test::system {

std::string programFile() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./unknown";
    path[n] = '\0';
    return path;
}

std::string makeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "mirobanth-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::FILE* makeTemporaryFile() { return std::tmpfile(); }

void setEnvironment(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
}

std::string programFileName(const std::string& name) { return name; }

int rawMode(int) { return 0; }

void restoreMode(int, int) {}

}  // namespace mirobanth::test::system
