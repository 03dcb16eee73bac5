#pragma once

#include <sys/types.h>

#include <optional>
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

// A program started as ProgramRunner starts it, which its starter watches:
// it can be asked whether it has ended, waited for, or ended. One that still
// runs when the object goes is ended.
class RunningProgram {
public:
    explicit RunningProgram(const std::vector<std::string>& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The exit status (or NO_EXIT_STATUS) once the program has ended, at
    // once; nothing while it runs.
    std::optional<int> exitStatus();
    // Waits for the program to end and returns its exit status.
    int wait();
    // Ends the program by its process id (it is given no chance to linger)
    // and collects it.
    void end();

private:
    std::optional<int> collect(bool waiting);

    pid_t child = 0;
    std::optional<int> status;
};

}  // namespace mirobanth::application
