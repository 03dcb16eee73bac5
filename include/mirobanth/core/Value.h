#pragma once

#include <mirobanth/core/CoreExport.h>

#include <string>

namespace mirobanth::core {

// The result of a Library call: one text, empty for a default Value.
class MIROBANTH_CORE_API Value {
public:
    Value() = default;
    explicit Value(std::string text);

    std::string getText() const;

private:
    std::string text;
};

}  // namespace mirobanth::core
