#include "SilentDisplay.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace mirobanth::test {

SilentDisplay::SilentDisplay() {
    mkdir("/tmp/.X11-unix", 01777);
    for (int number = 70; number < 200 && listener < 0; ++number) {
        lockFile = "/tmp/.X" + std::to_string(number) + "-lock";
        socketFile = "/tmp/.X11-unix/X" + std::to_string(number);
        int lock = open(lockFile.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0444);
        if (lock < 0) continue;
        std::string pid = std::to_string(getpid());
        std::string text = std::string(10 - pid.size(), ' ') + pid + "\n";  // as X servers write it
        bool written = write(lock, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(lock);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, socketFile.c_str());
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (written && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            listen(fd, SOMAXCONN) == 0) {
            listener = fd;
            displayName = ":" + std::to_string(number);
        } else {
            close(fd);
            unlink(lockFile.c_str());
        }
    }
    if (listener < 0) throw std::runtime_error("no free X display number for a silent display");
}

SilentDisplay::~SilentDisplay() {
    close(listener);
    unlink(socketFile.c_str());
    unlink(lockFile.c_str());
}

}  // namespace mirobanth::test
