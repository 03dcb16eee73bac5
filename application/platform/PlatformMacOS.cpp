#include <mirobanth/application/platform/PlatformMacOS.h>

namespace mirobanth::application {

PlatformMacOS::~PlatformMacOS() = default;

std::string PlatformMacOS::getRuntimeLibrary() { return ""; }

std::string PlatformMacOS::getPlatformInfo() { return "<Unknown>"; }

std::string PlatformMacOS::getPlatformDetail() { return ""; }

}  // namespace mirobanth::application
