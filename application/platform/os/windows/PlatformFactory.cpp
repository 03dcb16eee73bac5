#include <mirobanth/application/platform/PlatformFactory.h>
#include <mirobanth/application/platform/PlatformWindows.h>

namespace mirobanth::application {

std::shared_ptr<Platform> createPlatform() { return std::make_shared<PlatformWindows>(); }

}  // namespace mirobanth::application
