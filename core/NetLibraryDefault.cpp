#include <mirobanth/core/NetLibraryDefault.h>

namespace mirobanth::core {

std::string NetLibraryDefault::request(std::string) { return ""; }

}  // namespace mirobanth::core
