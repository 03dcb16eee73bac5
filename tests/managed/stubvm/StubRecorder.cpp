#include "StubRecorder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace stubvm {

void record(const std::string& line) {
    const char* file = std::getenv("MIROBANTH_STUBVM_RECORD");
    if (!file) return;
    std::ofstream(file, std::ios::app | std::ios::binary) << line << '\n';
}

bool isListed(const char* variable, const std::string& name) {
    const char* value = std::getenv(variable);
    if (!value) return false;
    std::istringstream entries(value);
    std::string entry;
    while (std::getline(entries, entry, ','))
        if (entry == name) return true;
    return false;
}

}  // namespace stubvm
