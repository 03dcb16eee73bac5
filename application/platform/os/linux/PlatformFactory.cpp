#include "application/platform/PlatformFactory.h"

#include "application/platform/os/linux/PlatformLinux.h"

namespace mirobanth::application {

std::shared_ptr<Platform> createPlatform() { return std::make_shared<PlatformLinux>(); }

}  // namespace mirobanth::application
