#pragma once

#include <cstddef>

namespace stubvm {

// The size of the calling thread's stack as the system reserved it.
std::size_t threadStackSize();

}  // namespace stubvm
