#include "core/InvokerThread.h"

#include "core/Console.h"

namespace mirobanth::core {

InvokerThread::InvokerThread() = default;

void InvokerThread::run() {
    setName("InvokerThread");
    Console::info(this, "run");
}

}  // namespace mirobanth::core
