#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mirobanth::application {

// Where a display server listens: a local socket (its path, beginning with
// a NUL character for an abstract one) or a TCP host and port.
struct DisplaySocket {
    std::string path;
    std::string host;
    int port = 0;

    bool operator==(const DisplaySocket& other) const {
        return path == other.path && host == other.host && port == other.port;
    }
};

// A display server of the session: the sockets its clients try, in their
// order, and the first request its protocol has a client send, which any
// server that works answers.
struct DisplayServer {
    std::vector<DisplaySocket> sockets;
    std::string firstRequest;
};

// The sockets an X client tries for DISPLAY: for [unix]:N[.S] the abstract
// socket, then the file /tmp/.X11-unix/XN, then TCP port 6000 + N of
// localhost (for ":N" only); for host:N[.S] TCP port 6000 + N of host. A
// leading "unix/" or "tcp/" asks for the one kind. None for a text that names
// no display.
std::vector<DisplaySocket> xDisplaySockets(const std::string& display);

// The socket of a Wayland display: the name when it is a path, else the name
// in runtimeFolder (XDG_RUNTIME_DIR); none without a runtime folder.
std::vector<DisplaySocket> waylandDisplaySockets(const std::string& name,
                                                 const std::optional<std::string>& runtimeFolder);

// The servers that DISPLAY and WAYLAND_DISPLAY name, where they are set.
std::vector<DisplayServer> sessionDisplayServers();

}  // namespace mirobanth::application
