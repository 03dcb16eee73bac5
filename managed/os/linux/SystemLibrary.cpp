#include "managed/SystemLibrary.h"

#include <dlfcn.h>

namespace mirobanth::managed::system_library {

namespace {

std::string lastError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}

}  // namespace

// RTLD_GLOBAL: a VM library resolves its companion libraries' symbols
// through the global scope, as the Java launcher loads it.
void* open(const std::string& path, std::string& reason) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) reason = lastError();
    return handle;
}

void* find(void* handle, const char* name, std::string& reason) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (!symbol) reason = lastError();
    return symbol;
}

void close(void* handle) noexcept { dlclose(handle); }

}  // namespace mirobanth::managed::system_library
