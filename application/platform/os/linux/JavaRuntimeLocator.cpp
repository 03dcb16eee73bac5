#include "platform/os/linux/JavaRuntimeLocator.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <tuple>
#include <utility>

#include "JavaHome.h"
#include "platform/os/linux/ExecutableSearch.h"

namespace fs = std::filesystem;

namespace mirobanth::application {

namespace {

// One runtime folder under usr/lib/jvm, as far as choosing the newest goes.
struct InstalledRuntime {
    std::vector<int> version;
    bool isLink = false;
    std::string name;
    std::string library;
};

// Higher version first; at the same version a real folder beats a link to
// one (Debian links java-1.17.0-openjdk-amd64 to java-17-openjdk-amd64), and
// the name settles the rest so that the choice never depends on listing order.
bool isBetter(const InstalledRuntime& a, const InstalledRuntime& b) {
    return std::make_tuple(a.version, !a.isLink, b.name) >
           std::make_tuple(b.version, !b.isLink, a.name);
}

std::vector<int> readNumbers(const std::string& text, std::size_t at) {
    std::vector<int> numbers;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        int number = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            if (number < 100000) number = number * 10 + (text[at] - '0');
            ++at;
        }
        numbers.push_back(number);
        // "1.8.0_292": the update number after "_" is part of the version.
        bool separatorThenDigit = at + 1 < text.size() && (text[at] == '.' || text[at] == '_') &&
                                  std::isdigit(static_cast<unsigned char>(text[at + 1]));
        if (!separatorThenDigit) break;
        ++at;
    }
    return numbers;
}

// The runtimes in folder that have a VM library, best first.
std::vector<InstalledRuntime> installedRuntimes(const std::string& folder) {
    std::vector<InstalledRuntime> runtimes;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) return runtimes;
    for (const auto& entry : entries) {
        std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        InstalledRuntime runtime{JavaRuntimeLocator::versionOfFolderName(name),
                                 entry.is_symlink(error), name,
                                 JavaRuntimeLocator::libraryOfHome(entry.path().string())};
        if (!runtime.library.empty()) runtimes.push_back(std::move(runtime));
    }
    std::sort(runtimes.begin(), runtimes.end(), isBetter);
    return runtimes;
}

}  // namespace

JavaRuntimeLocator::JavaRuntimeLocator(std::string searchPath, std::string root)
    : searchPath(std::move(searchPath)), root(std::move(root)) {}

std::string JavaRuntimeLocator::find() const {
    std::string library = findFromSearchPath();
    if (library.empty()) library = findDefaultRuntime();
    if (library.empty()) library = findNewestRuntime();
    return library;
}

std::string JavaRuntimeLocator::findFromSearchPath() const {
    // Every java on the path in turn: the first may be a wrapper script that
    // belongs to no installation, and a later one the user's runtime.
    for (const auto& program : ExecutableSearch::findAll("java", searchPath)) {
        std::string home = homeOfJavaProgram(program);
        std::string library = home.empty() ? "" : libraryOfHome(home);
        if (!library.empty()) return library;
    }
    return "";
}

std::string JavaRuntimeLocator::findDefaultRuntime() const {
    return libraryOfHome((fs::path(runtimesFolder()) / "default-java").string());
}

std::string JavaRuntimeLocator::findNewestRuntime() const {
    std::vector<InstalledRuntime> runtimes = installedRuntimes(runtimesFolder());
    return runtimes.empty() ? "" : runtimes.front().library;
}

std::vector<std::string> JavaRuntimeLocator::findAll() const {
    std::vector<std::string> libraries;
    auto add = [&libraries](const std::string& library) {
        if (library.empty()) return;
        std::error_code error;
        fs::path real = fs::canonical(library, error);
        std::string path = error ? library : real.string();
        if (std::find(libraries.begin(), libraries.end(), path) == libraries.end()) {
            libraries.push_back(path);
        }
    };
    for (const auto& program : ExecutableSearch::findAll("java", searchPath)) {
        std::string home = homeOfJavaProgram(program);
        if (!home.empty()) add(libraryOfHome(home));
    }
    add(findDefaultRuntime());
    for (const InstalledRuntime& runtime : installedRuntimes(runtimesFolder()))
        add(runtime.library);
    return libraries;
}

std::string JavaRuntimeLocator::homeOfJavaProgram(const std::string& program) {
    std::error_code error;
    fs::path real = fs::canonical(program, error);
    if (error) return "";
    // real is <home>/bin/java.
    return real.parent_path().parent_path().string();
}

std::string JavaRuntimeLocator::libraryOfHome(const std::string& javaHome) {
    return os::existingJavaHomeLibrary(javaHome, os::System::Linux);
}

std::vector<int> JavaRuntimeLocator::versionOfFolderName(const std::string& name) {
    auto firstDigit = name.find_first_of("0123456789");
    if (firstDigit == std::string::npos) return {};
    std::vector<int> version = readNumbers(name, firstDigit);
    // Up to Java 8 the versions were called 1.x.
    if (version.size() > 1 && version[0] == 1) version.erase(version.begin());
    while (version.size() > 1 && version.back() == 0) version.pop_back();
    return version;
}

std::string JavaRuntimeLocator::runtimesFolder() const {
    return (fs::path(root) / "usr/lib/jvm").string();
}

}  // namespace mirobanth::application
