#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/NetLibraryInterface.h>

#include <string>

namespace mirobanth::core {

// The built-in client: it reaches no network and answers every request
// with the empty string. Final, so that its owner can delete it by its own type.
class MIROBANTH_CORE_API NetLibraryDefault final : public NetLibraryInterface {
public:
    std::string request(std::string text) override;
};

}  // namespace mirobanth::core
