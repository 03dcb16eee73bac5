#pragma once

#include <stdexcept>
#include <string>

namespace mirobanth::os {

// A library that could not be loaded, or lacks a symbol; the text names the
// path and, for a symbol, the symbol.
class LibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A shared library loaded by the full path that was decided: a relative path
// is made absolute first, so the system's search path never picks another
// library of the same name. Unloaded by the destructor unless kept.
class SharedLibrary {
public:
    // Throws LibraryError when the path is empty, names anything but a regular
    // file, or the library does not load.
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The exported function name, typed. Throws LibraryError when absent.
    template <typename Function>
    Function function(const char* name) const {
        return reinterpret_cast<Function>(address(name));
    }

    // The absolute path the library was loaded from.
    const std::string& path() const { return libraryPath; }

    // Leaves the library loaded for the rest of the process, also after
    // this handle is gone.
    void keepLoaded() { kept = true; }

private:
    void* address(const char* name) const;
    void unload() noexcept;

    std::string libraryPath;
    void* handle = nullptr;
    bool kept = false;
};

}  // namespace mirobanth::os
