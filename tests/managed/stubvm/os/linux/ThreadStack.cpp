#include "ThreadStack.h"

#include <pthread.h>

namespace stubvm {

std::size_t threadStackSize() {
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
    void* lowest = nullptr;
    std::size_t size = 0;
    pthread_attr_getstack(&attributes, &lowest, &size);
    pthread_attr_destroy(&attributes);
    return size;
}

}  // namespace stubvm
