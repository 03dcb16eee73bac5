#pragma once

#include <mirobanth/application/ApplicationExport.h>

#include <string>

namespace mirobanth::application {

// What Platform::getNetwork() hands out; the caller deletes it. It reaches
// no network: connecting has no effect and a download yields nothing.
class MIROBANTH_APPLICATION_API Network {
public:
    Network() = default;
    virtual ~Network();
    void connect(std::string url);
    std::string download(std::string url);
};

}  // namespace mirobanth::application
