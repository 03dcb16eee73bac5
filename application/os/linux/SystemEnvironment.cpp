#include "application/SystemEnvironment.h"

#include <sys/utsname.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace mirobanth::application::systemenv {

void setVariable(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

std::string machineArchitecture() {
    utsname system{};
    if (uname(&system) != 0) return "";
    return system.machine;
}

bool isReadableFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return std::ifstream(path).is_open();
}

int runCommandLine(const std::string& command) { return std::system(command.c_str()); }

}  // namespace mirobanth::application::systemenv
