#pragma once

#include <mirobanth/core/CoreExport.h>

#include <cstdint>
#include <string>

namespace mirobanth::core {

// A step from one state to another, as a plain value record. The from and
// to links are checked but lead nowhere yet.
class MIROBANTH_CORE_API Transition {
public:
    Transition() = default;
    Transition(const Transition&) = default;
    Transition& operator=(const Transition&) = default;
    ~Transition() = default;

    void from(Transition* other);
    void to(Transition* other);

    std::string label;
    std::string detail;
    std::int32_t passCount = 0;
    std::int32_t secondCount = 0;
    std::int32_t thirdCount = 0;
    std::int32_t afterFlag = 0;
    bool marked = false;

private:
    void validate(Transition* other);
};

}  // namespace mirobanth::core
