#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace stubvm {

// Appends one line to the file named by MIROBANTH_STUBVM_RECORD (nothing
// when it is not set).
void record(const std::string& line);

// Whether name is one of the comma-separated entries of the variable.
bool isListed(const char* variable, const std::string& name);

// UTF-16 units as the stub records them: four-digit upper-case hex numbers
// separated by blanks. The tests spell their expected records with it too.
template <typename Unit>
std::string hexUnits(const Unit* units, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(units[i]));
        if (i > 0) text += ' ';
        text += unit;
    }
    return text;
}

}  // namespace stubvm
