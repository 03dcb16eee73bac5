#pragma once

#include <memory>

#include "application/platform/Platform.h"

namespace mirobanth::application {

// The platform object that fits the operating system this build targets.
// Each system's factory lives in its own source file; CMake picks one.
std::shared_ptr<Platform> createPlatform();

}  // namespace mirobanth::application
