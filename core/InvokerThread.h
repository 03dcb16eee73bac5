#pragma once

#include <mirobanth/core/Name.h>
#include <mirobanth/core/Runnable.h>

namespace mirobanth::core {

// The work that Library::invokeLater hands to its worker thread. It only
// reports that it ran; the method it stands for is not executed yet.
// Internal to the core library.
class InvokerThread : public Runnable, public Name {
public:
    InvokerThread();

    void run() override;
};

}  // namespace mirobanth::core
