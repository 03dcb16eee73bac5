#include "platform/os/linux/ProgramRunner.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace mirobanth::application {

namespace {

std::vector<char*> argumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> vector;
    for (const auto& argument : arguments) vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    return vector;
}

int waitForExit(pid_t child) {
    int raw = 0;
    while (waitpid(child, &raw, 0) < 0) {
        // A signal handler of the host may interrupt the wait; the child runs on.
        if (errno != EINTR) return ProgramRunner::NO_EXIT_STATUS;
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : ProgramRunner::NO_EXIT_STATUS;
}

}  // namespace

int ProgramRunner::runAndWait(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return NO_EXIT_STATUS;
    auto argv = argumentVector(arguments);
    pid_t child = 0;
    // posix_spawn rather than fork: the process may hold a Java VM with many
    // threads and a large address space, and the C library reports a failed
    // exec as the result of this call.
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return NO_EXIT_STATUS;
    }
    return waitForExit(child);
}

}  // namespace mirobanth::application
