#include <mirobanth/application/platform/Network.h>

namespace mirobanth::application {

Network::~Network() = default;

void Network::connect(std::string) {
    // There is no network access behind this object yet; connecting is a no-op.
}

std::string Network::download(std::string) { return ""; }

}  // namespace mirobanth::application
