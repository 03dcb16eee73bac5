#include "InvokerThread.h"

#include <mirobanth/core/Console.h>

namespace mirobanth::core {

InvokerThread::InvokerThread() = default;

void InvokerThread::run() {
    setName("InvokerThread");
    Console::info(this, "run");
}

}  // namespace mirobanth::core
