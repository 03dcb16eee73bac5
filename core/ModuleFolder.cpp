#include "core/ModuleFolder.h"

namespace mirobanth::core {

std::string inFolder(const std::string& folder, const std::string& entry,
                     const std::string& separator) {
    if (folder.empty()) return entry;
    if (entry == ".") return folder;
    return folder + separator + entry;
}

}  // namespace mirobanth::core
