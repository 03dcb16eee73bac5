#include "ThreadStack.h"

#include <windows.h>

namespace stubvm {

std::size_t threadStackSize() {
    ULONG_PTR low = 0, high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    return static_cast<std::size_t>(high - low);
}

}  // namespace stubvm
