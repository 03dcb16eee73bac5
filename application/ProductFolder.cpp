#include "ProductFolder.h"

#include "OperatingSystem.h"

namespace mirobanth::application {

std::string productFolder() {
    static const char insideThisLibrary = 0;
    return os::moduleFolder(&insideThisLibrary);
}

std::string productSystemFolder() { return os::inFolder(productFolder(), "system/"); }

}  // namespace mirobanth::application
