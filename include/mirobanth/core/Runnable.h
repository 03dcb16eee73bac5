#pragma once

#include <mirobanth/core/CoreExport.h>

namespace mirobanth::core {

// Work that a Thread runs. Threads only borrow their target, so nobody
// deletes through this interface and its destructor stays protected.
class MIROBANTH_CORE_API Runnable {
public:
    virtual void run() = 0;

protected:
    Runnable() = default;
    Runnable(const Runnable&) = default;
    Runnable& operator=(const Runnable&) = default;
    ~Runnable() = default;
};

}  // namespace mirobanth::core
