#include <mirobanth/core/RuntimeException.h>

namespace mirobanth::core {

RuntimeException::RuntimeException() : std::runtime_error("Undefined") {}

RuntimeException::RuntimeException(const std::string& reason) : std::runtime_error(reason) {}

RuntimeException::~RuntimeException() = default;

std::string RuntimeException::getReason() const { return "undefined"; }

std::string RuntimeException::reason() const { return "undefined"; }

}  // namespace mirobanth::core
