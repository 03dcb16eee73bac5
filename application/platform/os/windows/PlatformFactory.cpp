#include "application/platform/PlatformFactory.h"

#include "application/platform/os/windows/PlatformWindows.h"

namespace mirobanth::application {

std::shared_ptr<Platform> createPlatform() { return std::make_shared<PlatformWindows>(); }

}  // namespace mirobanth::application
