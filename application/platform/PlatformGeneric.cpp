#include <mirobanth/application/platform/PlatformGeneric.h>

namespace mirobanth::application {

PlatformGeneric::~PlatformGeneric() = default;

// Unlike the base class, says nothing about the missing implementation.
void PlatformGeneric::sleepNow(int) {}

std::string PlatformGeneric::getPlatformName() { return "Generic"; }

std::string PlatformGeneric::getRuntimeLibrary() { return ""; }

std::string PlatformGeneric::getPathSeparator() { return ";"; }

std::string PlatformGeneric::getPlatformInfo() { return "<Unknown>"; }

std::string PlatformGeneric::getPlatformDetail() { return "Unknown"; }

}  // namespace mirobanth::application
