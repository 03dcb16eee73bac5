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

// system() hands the line to "cmd /c", which takes off the first and the last
// quote of a line that starts with one: a quoted program followed by quoted
// arguments would lose two quotes that belong to them. So the whole line is
// quoted once more, for the interpreter to take off.
int runCommandLine(const std::string& command) { return std::system(("\"" + command + "\"").c_str()); }

}  // namespace mirobanth::application::systemenv
