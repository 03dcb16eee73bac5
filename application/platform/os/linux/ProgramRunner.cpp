#include "platform/os/linux/ProgramRunner.h"

#include <signal.h>
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

}  // namespace

int ProgramRunner::runAndWait(const std::vector<std::string>& arguments) {
    return RunningProgram(arguments).wait();
}

RunningProgram::RunningProgram(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        status = ProgramRunner::NO_EXIT_STATUS;
        return;
    }
    auto argv = argumentVector(arguments);
    // posix_spawn rather than fork: the process may hold a Java VM with many
    // threads and a large address space, and the C library reports a failed
    // exec as the result of this call.
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        status = ProgramRunner::NO_EXIT_STATUS;
    }
}

RunningProgram::~RunningProgram() {
    if (!status) end();
}

std::optional<int> RunningProgram::exitStatus() { return collect(false); }

int RunningProgram::wait() { return *collect(true); }

void RunningProgram::end() {
    if (status) return;
    kill(child, SIGKILL);
    collect(true);
}

std::optional<int> RunningProgram::collect(bool waiting) {
    if (status) return status;
    int raw = 0;
    pid_t ended;
    // A signal handler of the host may interrupt the wait; the child runs on.
    while ((ended = waitpid(child, &raw, waiting ? 0 : WNOHANG)) < 0 && errno == EINTR) {
    }
    if (ended == 0) return std::nullopt;
    status = ended > 0 && WIFEXITED(raw) ? WEXITSTATUS(raw) : ProgramRunner::NO_EXIT_STATUS;
    return status;
}

}  // namespace mirobanth::application
