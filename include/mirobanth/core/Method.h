#pragma once

#include <mirobanth/core/CoreExport.h>

#include <string>

namespace mirobanth::core {

// A method of a Library, named for dispatch. The descriptor is the parameter
// and result type text that will tell overloads apart once dispatch reaches
// real code; it stays empty until someone sets it, and copies carry it along.
class MIROBANTH_CORE_API Method {
public:
    explicit Method(std::string name);

    std::string getName() const;
    std::string getDescriptor() const;
    void setDescriptor(std::string descriptor);

private:
    std::string methodName;
    std::string descriptor;
};

}  // namespace mirobanth::core
