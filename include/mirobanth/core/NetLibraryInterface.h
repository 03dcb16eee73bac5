#pragma once

#include <mirobanth/core/CoreExport.h>

#include <string>

namespace mirobanth::core {

// The seam where a real network client plugs into a NetLibrary. A client
// implements request(); forward() passes a copy of its text to request().
// Libraries only borrow their client, so nobody deletes through this
// interface and its destructor stays protected.
class MIROBANTH_CORE_API NetLibraryInterface {
public:
    virtual std::string request(std::string text) = 0;
    virtual std::string forward(std::string text);

protected:
    NetLibraryInterface() = default;
    NetLibraryInterface(const NetLibraryInterface&) = default;
    NetLibraryInterface& operator=(const NetLibraryInterface&) = default;
    ~NetLibraryInterface() = default;
};

}  // namespace mirobanth::core
