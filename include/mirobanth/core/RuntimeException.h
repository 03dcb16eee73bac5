#pragma once

#include <mirobanth/core/CoreExport.h>

#include <stdexcept>
#include <string>

namespace mirobanth::core {

// The system's exception type. The core library raises it as a new object
// by pointer; whoever catches the pointer owns it and deletes it.
class MIROBANTH_CORE_API RuntimeException : public std::runtime_error {
public:
    RuntimeException();
    explicit RuntimeException(const std::string& reason);
    RuntimeException(const RuntimeException&) = default;
    RuntimeException& operator=(const RuntimeException&) = default;
    ~RuntimeException() override;

    // Both answer "undefined"; the reason itself is what() alone.
    std::string getReason() const;
    std::string reason() const;
};

}  // namespace mirobanth::core
