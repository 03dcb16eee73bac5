#pragma once

#include <mirobanth/application/platform/Platform.h>

namespace mirobanth::application {

// The beginning of a macOS platform. Its name and path separator are still
// to be supplied, so the class stays abstract and nothing creates one.
class MIROBANTH_APPLICATION_API PlatformMacOS : public Platform {
public:
    PlatformMacOS() = default;
    ~PlatformMacOS() override;

    std::string getRuntimeLibrary() override;
    std::string getPlatformInfo() override;
    std::string getPlatformDetail() override;
};

}  // namespace mirobanth::application
