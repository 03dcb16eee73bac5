// Children on POSIX: fork and execv, the three streams through pipes, all
// served by one poll loop.
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "ChildProcess.h"
#include "TestSystem.h"

namespace mirobanth::test {

namespace {

[[noreturn]] void execChild(const ChildOptions& options, const sigset_t& signalMask, int in,
                            int out, int err) {
    pthread_sigmask(SIG_SETMASK, &signalMask, nullptr);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    for (const auto& [name, value] : options.env) system::setEnvironment(name, value);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
        _exit(126);
    std::vector<char*> argv;
    for (const auto& arg : options.args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

int decodeStatus(int raw) {
    if (WIFEXITED(raw)) return WEXITSTATUS(raw);
    if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
    return -1;
}

// Writing to a child that closed its input raises SIGPIPE in the writer. It
// is blocked in this thread alone while a child runs, and any that came is
// taken back before the mask is restored, so the process's own handling of
// SIGPIPE, and what children inherit, stay as they were.
class SigpipeBlock {
public:
    SigpipeBlock() {
        sigemptyset(&pipeOnly);
        sigaddset(&pipeOnly, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeOnly, &previous);
    }
    ~SigpipeBlock() {
        const timespec now{0, 0};
        while (sigtimedwait(&pipeOnly, nullptr, &now) == SIGPIPE) {
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;
    const sigset_t& before() const { return previous; }

private:
    sigset_t pipeOnly;
    sigset_t previous;
};

}  // namespace

ChildResult runChild(const ChildOptions& options) {
    SigpipeBlock sigpipe;
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe2(inPipe, O_CLOEXEC) || pipe2(outPipe, O_CLOEXEC) || pipe2(errPipe, O_CLOEXEC))
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) execChild(options, sigpipe.before(), inPipe[0], outPipe[1], errPipe[1]);
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    fcntl(inPipe[1], F_SETFL, O_NONBLOCK);

    ChildResult result;
    std::string* sinks[2] = {&result.out, &result.err};
    size_t inputWritten = 0;
    // The input goes in while the output comes out: a large input to a
    // child that writes as it reads can fill neither pipe for good.
    pollfd fds[3] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}, {inPipe[1], POLLOUT, 0}};
    if (options.input.empty()) {
        close(inPipe[1]);
        fds[2].fd = -1;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(options.timeoutSeconds);
    bool timedOut = false;
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        if (poll(fds, 3, static_cast<int>(left)) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[4096];
            ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
            }
        }
        if (fds[2].fd >= 0 && fds[2].revents) {
            ssize_t n = (fds[2].revents & POLLOUT)
                            ? write(fds[2].fd, options.input.data() + inputWritten,
                                    options.input.size() - inputWritten)
                            : -1;
            if (n > 0) inputWritten += static_cast<size_t>(n);
            bool refused = n < 0 && errno != EAGAIN;
            if (refused || inputWritten == options.input.size()) {
                close(fds[2].fd);
                fds[2].fd = -1;
            }
        }
    }
    if (timedOut) kill(pid, SIGKILL);
    for (auto& fd : fds)
        if (fd.fd >= 0) close(fd.fd);
    int raw = 0;
    waitpid(pid, &raw, 0);
    result.status = timedOut ? -1 : decodeStatus(raw);
    return result;
}

}  // namespace mirobanth::test
