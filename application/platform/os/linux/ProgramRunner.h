#pragma once

#include <string>
#include <vector>

namespace mirobanth::application {

// Starts a program directly, never through a shell, so that no text handed to
// it (a message, a title) can be read as shell syntax.
class ProgramRunner {
public:
    // The exit status a run reports when the program never started or did not
    // end by itself (a signal).
    static constexpr int NO_EXIT_STATUS = -1;

    // Runs arguments[0], a path to the program, with the remaining arguments,
    // the caller's environment and standard streams, and waits for it to end.
    // Returns its exit status, or NO_EXIT_STATUS.
    static int runAndWait(const std::vector<std::string>& arguments);
};

}  // namespace mirobanth::application
