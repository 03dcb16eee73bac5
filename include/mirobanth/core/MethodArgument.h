#pragma once

#include <mirobanth/core/CoreExport.h>

#include <string>

namespace mirobanth::core {

// One argument of a Library call, carried as text. Dispatch does not read
// arguments yet, so text is all a caller needs to hand over.
class MIROBANTH_CORE_API MethodArgument {
public:
    MethodArgument() = default;
    explicit MethodArgument(std::string text);

    std::string getText() const;

private:
    std::string text;
};

}  // namespace mirobanth::core
