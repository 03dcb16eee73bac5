#include "application/ProductFolder.h"

#include "core/ModuleFolder.h"

namespace mirobanth::application {

std::string productFolder() {
    static const char insideThisLibrary = 0;
    return core::moduleFolder(&insideThisLibrary);
}

std::string productSystemFolder() {
    return core::inFolder(productFolder(), "system/", core::DIRECTORY_SEPARATOR);
}

}  // namespace mirobanth::application
