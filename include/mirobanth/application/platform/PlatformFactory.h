#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/application/platform/Platform.h>

#include <memory>

namespace mirobanth::application {

// A new platform object that fits the operating system this build targets.
// Each system's factory lives in its own source file; CMake picks one.
// Exported so that hosts and tests get an object of the kind the
// applications share.
MIROBANTH_APPLICATION_API std::shared_ptr<Platform> createPlatform();

}  // namespace mirobanth::application
