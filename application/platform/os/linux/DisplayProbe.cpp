#include "platform/os/linux/DisplayProbe.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace mirobanth::application {

namespace {

// A socket whose connection is made or under way, or -1.
int startConnection(int family, const sockaddr* address, socklen_t length) {
    int fd = socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (connect(fd, address, length) == 0 || errno == EINPROGRESS) return fd;
    close(fd);
    return -1;
}

int connectLocal(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    // The length, not a terminating NUL, ends the name: an abstract one begins with NUL.
    std::memcpy(address.sun_path, path.data(), path.size());
    auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    return startConnection(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

int connectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    int fd = -1;
    for (addrinfo* entry = found; entry && fd < 0; entry = entry->ai_next) {
        fd = startConnection(entry->ai_family, entry->ai_addr, entry->ai_addrlen);
    }
    freeaddrinfo(found);
    return fd;
}

int connectFirst(const std::vector<DisplaySocket>& sockets) {
    for (const DisplaySocket& socket : sockets) {
        int fd =
            socket.host.empty() ? connectLocal(socket.path) : connectTcp(socket.host, socket.port);
        if (fd >= 0) return fd;
    }
    return -1;
}

bool connectionFailed(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0;
}

}  // namespace

DisplayProbe::DisplayProbe(const std::vector<DisplayServer>& servers) {
    for (const DisplayServer& server : servers) {
        connections.push_back({connectFirst(server.sockets), server.firstRequest});
    }
}

DisplayProbe::~DisplayProbe() {
    for (const Connection& connection : connections) {
        if (connection.fd >= 0) close(connection.fd);
    }
}

bool DisplayProbe::answered(std::chrono::milliseconds wait) {
    std::vector<pollfd> waiting;
    std::vector<Connection*> owners;
    for (Connection& connection : connections) {
        if (connection.answered || connection.fd < 0) continue;
        waiting.push_back(
            {connection.fd, static_cast<short>(connection.sent ? POLLIN : POLLOUT), 0});
        owners.push_back(&connection);
    }
    // With nothing left to hear from, this only waits.
    if (poll(waiting.data(), waiting.size(), static_cast<int>(wait.count())) > 0) {
        for (std::size_t i = 0; i < waiting.size(); ++i) advance(*owners[i], waiting[i].revents);
    }
    return std::all_of(connections.begin(), connections.end(),
                       [](const Connection& connection) { return connection.answered; });
}

void DisplayProbe::advance(Connection& connection, short events) {
    if (events == 0) return;
    bool lost = false;
    if (!connection.sent) {
        lost = connectionFailed(connection.fd) ||
               send(connection.fd, connection.request.data(), connection.request.size(),
                    MSG_NOSIGNAL) != static_cast<ssize_t>(connection.request.size());
        connection.sent = true;
    } else {
        char reply = 0;
        ssize_t n = recv(connection.fd, &reply, 1, 0);
        connection.answered = n == 1;
        lost = n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR);
    }
    if (lost || connection.answered) {
        close(connection.fd);
        connection.fd = -1;
    }
}

}  // namespace mirobanth::application
