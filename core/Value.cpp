#include <mirobanth/core/Value.h>

namespace mirobanth::core {

Value::Value(std::string text) : text(std::move(text)) {}

std::string Value::getText() const { return text; }

}  // namespace mirobanth::core
