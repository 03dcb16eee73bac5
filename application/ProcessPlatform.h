#pragma once

#include <mirobanth/application/platform/Platform.h>

#include <memory>

namespace mirobanth::application {

// The one platform object that serves every application of the process and
// lives until the process ends: it holds no state, and a host may keep the
// pointer getPlatform() gave it after the application is gone.
std::shared_ptr<Platform> processPlatform();

}  // namespace mirobanth::application
