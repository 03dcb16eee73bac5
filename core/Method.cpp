#include <mirobanth/core/Method.h>

namespace mirobanth::core {

Method::Method(std::string name) : methodName(std::move(name)) {}

std::string Method::getName() const { return methodName; }

std::string Method::getDescriptor() const { return descriptor; }

void Method::setDescriptor(std::string newDescriptor) { descriptor = std::move(newDescriptor); }

}  // namespace mirobanth::core
