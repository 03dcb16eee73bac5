#include <mirobanth/core/MethodArgument.h>

namespace mirobanth::core {

MethodArgument::MethodArgument(std::string text) : text(std::move(text)) {}

std::string MethodArgument::getText() const { return text; }

}  // namespace mirobanth::core
