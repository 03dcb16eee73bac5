#include "application/SystemEnvironment.h"

#include <share.h>
#include <stdio.h>

#include <cstdlib>

namespace mirobanth::application::systemenv {

void setVariable(const std::string& name, const std::string& value) {
    // _putenv copies its argument into the runtime library's environment.
    _putenv((name + "=" + value).c_str());
}

// Windows names the processor in PROCESSOR_ARCHITECTURE, which the caller
// reads first; there is nothing more to ask.
std::string machineArchitecture() { return ""; }

// Opened sharing everything, so that a file another program holds open still
// counts. The programs run with the UTF-8 code page, so the narrow path is
// taken as UTF-8.
bool isReadableFile(const std::string& path) {
    FILE* file = _fsopen(path.c_str(), "rb", _SH_DENYNO);
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace mirobanth::application::systemenv
