#pragma once

#include <mirobanth/core/Console.h>

namespace mirobanth::test {

// Saves the process-wide console switches and puts them back when the test
// ends, so a test that silences the console cannot silence the next one.
class ConsoleSwitches {
public:
    ConsoleSwitches() : silent(core::Console::isSilent()), verbose(core::Console::isVerbose()) {}
    ~ConsoleSwitches() {
        core::Console::enableSilent(silent);
        core::Console::enableVerbose(verbose);
    }
    ConsoleSwitches(const ConsoleSwitches&) = delete;
    ConsoleSwitches& operator=(const ConsoleSwitches&) = delete;

private:
    bool silent;
    bool verbose;
};

}  // namespace mirobanth::test
