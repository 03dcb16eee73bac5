#pragma once

#include <mirobanth/application/platform/Platform.h>

namespace mirobanth::application {

// A complete platform without anything system-specific behind it: it knows
// no Java runtime and does not sleep. Built everywhere and offered to hosts
// as an alternative; the applications never create one.
class MIROBANTH_APPLICATION_API PlatformGeneric : public Platform {
public:
    PlatformGeneric() = default;
    ~PlatformGeneric() override;

    void sleepNow(int milliseconds) override;
    std::string getPlatformName() override;
    std::string getRuntimeLibrary() override;
    std::string getPathSeparator() override;
    std::string getPlatformInfo() override;
    std::string getPlatformDetail() override;
};

}  // namespace mirobanth::application
