#pragma once

#include <mirobanth/core/CoreExport.h>

#include <cstdint>

namespace mirobanth::core {

// Runtime-level operations of the process. The one implementation is the
// Runtime singleton, which nobody deletes through this interface.
class MIROBANTH_CORE_API RuntimeAPI {
public:
    virtual std::int32_t availableProcessors() = 0;
    virtual void exit(int status) = 0;
    virtual void gc() = 0;

protected:
    RuntimeAPI() = default;
    RuntimeAPI(const RuntimeAPI&) = default;
    RuntimeAPI& operator=(const RuntimeAPI&) = default;
    ~RuntimeAPI() = default;
};

}  // namespace mirobanth::core
