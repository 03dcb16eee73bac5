#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/os/linux/DisplayServers.h"

namespace mirobanth::application {

// Asks display servers whether they speak: connects to each (its first socket
// that takes the connection) and sends it the first request of its protocol.
// A server that accepts connections and never answers, which would leave its
// clients waiting for ever, never counts as answering. Nothing blocks for
// longer than the caller allows.
class DisplayProbe {
public:
    explicit DisplayProbe(const std::vector<DisplayServer>& servers);
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // Waits at most `wait` for the servers; true once each has answered.
    bool answered(std::chrono::milliseconds wait);

private:
    struct Connection {
        int fd = -1;  // -1 once the server can no longer answer
        std::string request;
        bool sent = false;
        bool answered = false;
    };
    void advance(Connection& connection, short events);

    std::vector<Connection> connections;
};

}  // namespace mirobanth::application
