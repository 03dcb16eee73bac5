#pragma once

#include <memory>

#include "application/ApplicationExport.h"
#include "application/platform/Platform.h"

namespace mirobanth::application {

// A new platform object that fits the operating system this build targets.
// Each system's factory lives in its own source file; CMake picks one.
// Exported so that hosts and tests get an object of the kind the
// applications share.
MIROBANTH_APPLICATION_API std::shared_ptr<Platform> createPlatform();

}  // namespace mirobanth::application
