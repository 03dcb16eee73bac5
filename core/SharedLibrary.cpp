// What every system shares: the path decision and moving the handle. The
// loading itself is the operating system's (OperatingSystem.h).
#include "SharedLibrary.h"

#include <filesystem>
#include <utility>

#include "OperatingSystem.h"

namespace mirobanth::os {

namespace {

// Paths are UTF-8 on every system; the conversions keep them so. An absolute
// path stays as written: the standard library reads Windows' \\?\ form as a
// relative one and would spoil it.
std::string absolutePath(const std::string& path) {
    if (isAbsolutePath(path)) return path;
    std::error_code ignored;
    std::filesystem::path absolute =
        std::filesystem::absolute(std::filesystem::u8path(path), ignored);
    return absolute.empty() ? path : absolute.u8string();
}

}  // namespace

// An empty path is refused before the system sees it: asked for "", the
// system would hand back the running program itself.
SharedLibrary::SharedLibrary(const std::string& path) {
    if (path.empty()) throw LibraryError("Cannot load a library from an empty path");
    libraryPath = absolutePath(path);
    // Only a regular file can be a library; opening anything else may block
    // for ever (a FIFO waits for a writer that never comes).
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::u8path(libraryPath), error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw LibraryError("Cannot load " + libraryPath + ": not a regular file");
    }
    std::string reason;
    handle = openLibrary(libraryPath, reason);
    if (!handle) throw LibraryError("Cannot load " + libraryPath + ": " + reason);
}

SharedLibrary::~SharedLibrary() { unload(); }

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : libraryPath(std::move(other.libraryPath)),
      handle(std::exchange(other.handle, nullptr)),
      kept(other.kept) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
    if (this != &other) {
        unload();
        libraryPath = std::move(other.libraryPath);
        handle = std::exchange(other.handle, nullptr);
        kept = other.kept;
    }
    return *this;
}

void* SharedLibrary::address(const char* name) const {
    std::string reason = "the library was moved away";
    void* symbol = handle ? findSymbol(handle, name, reason) : nullptr;
    if (!symbol)
        throw LibraryError(std::string(name) + " not found in " + libraryPath + ": " + reason);
    return symbol;
}

void SharedLibrary::unload() noexcept {
    if (handle && !kept) closeLibrary(handle);
    handle = nullptr;
}

}  // namespace mirobanth::os
