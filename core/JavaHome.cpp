#include "JavaHome.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace mirobanth::os {

std::string runtimeVMLibrary(System system, const std::string& separator) {
    if (system == System::Windows) return "bin" + separator + "server" + separator + "jvm.dll";
    return "lib" + separator + "server" + separator + "libjvm.so";
}

std::vector<std::string> javaHomeLibraries(const std::string& javaHome, System system) {
    const std::string runtime = runtimeVMLibrary(system);
    if (system == System::Windows) {
        return {
            javaHome + "/jre/bin/client/jvm.dll",
            javaHome + "/jre/" + runtime,
            javaHome + "/" + runtime,
            javaHome + "/bin/client/jvm.dll",
        };
    }
    const std::string processor = jdk8ProcessorFolder();
    return {
        javaHome + "/" + runtime,
        javaHome + "/jre/lib/" + processor + "/server/libjvm.so",
        javaHome + "/lib/" + processor + "/server/libjvm.so",
        javaHome + "/jre/" + runtime,
    };
}

std::string existingJavaHomeLibrary(const std::string& javaHome, System system) {
    for (const std::string& candidate : javaHomeLibraries(javaHome, system)) {
        if (isReadableFile(candidate)) return candidate;
    }
    return "";
}

std::string javaHomeOfLibrary(const std::string& library, System system) {
    // Windows takes either separator; the registry and users write backslashes.
    std::string path = library;
    if (system == System::Windows) std::replace(path.begin(), path.end(), '\\', '/');
    for (const std::string& layout : javaHomeLibraries("", system)) {
        if (path.size() > layout.size() &&
            path.compare(path.size() - layout.size(), layout.size(), layout) == 0) {
            return library.substr(0, path.size() - layout.size());
        }
    }
    return "";
}

std::string javaReleaseVersion(const std::string& javaHome) {
    const std::string key = "JAVA_VERSION=";
    std::ifstream release(std::filesystem::u8path(javaHome + "/release"));
    std::string line;
    while (std::getline(release, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        value.erase(std::remove(value.begin(), value.end(), '"'), value.end());
        value.erase(std::remove(value.begin(), value.end(), '\r'), value.end());
        return value;
    }
    return "";
}

namespace {

// The number at the start of text, and the position after it.
std::optional<int> leadingNumber(const std::string& text, std::size_t& at) {
    if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) {
        return std::nullopt;
    }
    int number = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        if (number < 100000) number = number * 10 + (text[at] - '0');
    }
    return number;
}

}  // namespace

std::optional<int> javaFeatureVersion(const std::string& version) {
    std::size_t at = 0;
    std::optional<int> first = leadingNumber(version, at);
    // Up to Java 8 the versions were called 1.x.
    if (first == 1 && at < version.size() && version[at] == '.') {
        ++at;
        if (std::optional<int> second = leadingNumber(version, at)) return second;
    }
    return first;
}

// The one place that asks the compiler which processor it builds for.
const char* jdk8ProcessorFolder() {
#if defined(__x86_64__)
    return "amd64";
#elif defined(__i386__)
    return "i386";
#elif defined(__aarch64__)
    return "aarch64";
#elif defined(__arm__)
    return "arm";
#elif defined(__powerpc64__) && defined(__LITTLE_ENDIAN__)
    return "ppc64le";
#elif defined(__powerpc64__)
    return "ppc64";
#elif defined(__s390x__)
    return "s390x";
#else
    return "unknown";
#endif
}

}  // namespace mirobanth::os
