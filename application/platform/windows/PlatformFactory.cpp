#include "application/platform/PlatformFactory.h"

#include "application/platform/PlatformGeneric.h"

namespace mirobanth::application {

// Windows builds use the generic platform until the Win32 one is in place.
std::shared_ptr<Platform> createPlatform() { return std::make_shared<PlatformGeneric>(); }

}  // namespace mirobanth::application
