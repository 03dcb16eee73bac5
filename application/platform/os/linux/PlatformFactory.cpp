#include <mirobanth/application/platform/PlatformFactory.h>
#include <mirobanth/application/platform/PlatformLinux.h>

namespace mirobanth::application {

std::shared_ptr<Platform> createPlatform() { return std::make_shared<PlatformLinux>(); }

}  // namespace mirobanth::application
