#include "core/ModuleFolder.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

namespace mirobanth::core {

const char* const DIRECTORY_SEPARATOR = "/";

namespace {

// The loader names a library as it was found; a host that loaded it by a
// relative path leaves a relative name, which is made absolute here.
std::string absoluteFileName(const char* loadedName) {
    if (loadedName[0] == '/') return loadedName;
    char resolved[PATH_MAX];
    return realpath(loadedName, resolved) ? resolved : "";
}

}  // namespace

std::string moduleFolder(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname || !info.dli_fname[0]) return "";
    std::string file = absoluteFileName(info.dli_fname);
    std::string::size_type slash = file.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : file.substr(0, slash);
}

}  // namespace mirobanth::core
