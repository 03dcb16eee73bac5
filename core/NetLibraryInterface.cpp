#include <mirobanth/core/NetLibraryInterface.h>

namespace mirobanth::core {

std::string NetLibraryInterface::forward(std::string text) {
    std::string copy = text;
    return request(copy);
}

}  // namespace mirobanth::core
