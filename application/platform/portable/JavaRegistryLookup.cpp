#include "platform/portable/JavaRegistryLookup.h"

#include <algorithm>

namespace mirobanth::application::java_registry {

namespace {

// A value's bytes used as text: up to the first zero byte, or all of the
// data read when it holds none. Nothing past the data is ever read.
bool readText(RegistryReader& registry, RegistryReader::Key key, const char* name,
              std::string& text) {
    unsigned char buffer[VALUE_CAPACITY];
    long length = registry.read(key, name, buffer, sizeof buffer);
    if (length < 0 || static_cast<std::size_t>(length) > sizeof buffer) return false;
    const unsigned char* begin = buffer;
    const unsigned char* end = buffer + length;
    text.assign(begin, std::find(begin, end, 0));
    return true;
}

// Closes the key when the walk leaves, whichever way it leaves.
class OpenKey {
public:
    OpenKey(RegistryReader& registry, const std::string& path)
        : registry(registry), key(registry.open(path)) {}
    ~OpenKey() {
        if (key) registry.close(key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    RegistryReader::Key get() const { return key; }

private:
    RegistryReader& registry;
    RegistryReader::Key key;
};

Outcome failed(const char* problem) { return {"", problem, ""}; }

}  // namespace

Outcome walkKey(RegistryReader& registry, const std::string& keyPath) {
    OpenKey root(registry, keyPath);
    if (!root.get()) return failed(KEY_NOT_FOUND);
    std::string version;
    if (!readText(registry, root.get(), "CurrentVersion", version))
        return failed(NO_CURRENT_VERSION);
    OpenKey versionKey(registry, keyPath + "\\" + version);
    if (!versionKey.get()) return failed(NO_VERSION_KEY);
    std::string library;
    // An empty value names no library: the installation is as broken as
    // without one.
    if (!readText(registry, versionKey.get(), "RuntimeLib", library) || library.empty()) {
        return failed(NO_RUNTIME_LIB);
    }
    return {library, "", version};
}

Outcome findRuntimeLibrary(RegistryReader& registry) {
    Outcome first = failed(KEY_NOT_FOUND);
    for (const char* keyPath : JAVA_KEYS) {
        Outcome outcome = walkKey(registry, keyPath);
        if (outcome.problem.empty()) return outcome;
        if (first.problem == KEY_NOT_FOUND) first = outcome;
    }
    return first;
}

std::vector<Outcome> findRuntimeLibraries(RegistryReader& registry) {
    std::vector<Outcome> found;
    for (const char* keyPath : JAVA_KEYS) {
        Outcome outcome = walkKey(registry, keyPath);
        if (outcome.problem.empty()) found.push_back(outcome);
    }
    return found;
}

}  // namespace mirobanth::application::java_registry
