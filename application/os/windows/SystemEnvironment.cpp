#include "application/SystemEnvironment.h"

#include <cstdlib>

namespace mirobanth::application::systemenv {

void setVariable(const std::string& name, const std::string& value) {
    // _putenv copies its argument into the runtime library's environment.
    _putenv((name + "=" + value).c_str());
}

// Windows names the processor in PROCESSOR_ARCHITECTURE, which the caller
// reads first; there is nothing more to ask.
std::string machineArchitecture() { return ""; }

// A write to a closed pipe already fails with an error on Windows.
void ignoreBrokenPipe() {}

}  // namespace mirobanth::application::systemenv
