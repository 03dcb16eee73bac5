#include "platform/os/linux/DisplayServers.h"

#include <cstdint>
#include <cstring>

#include "OperatingSystem.h"

namespace mirobanth::application {

namespace {

constexpr int X_TCP_PORT = 6000;

// The connection set-up of the X protocol, most significant byte first:
// version 11.0 and no authorization; the server answers with success, failure
// or a request to authenticate.
const std::string X_CONNECTION_SETUP("B\0\0\x0B\0\0\0\0\0\0\0\0", 12);

// wl_display.sync (object 1, request 0, 12 bytes) for a new callback object
// 2, in the host's byte order; the server answers with that callback's done
// event.
std::string waylandSync() {
    const std::uint32_t words[] = {1, 12u << 16, 2};
    std::string request(sizeof words, '\0');
    std::memcpy(request.data(), words, sizeof words);
    return request;
}

// A display number whose TCP port exists.
bool isDisplayNumber(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           text.find_first_not_of("0123456789") == std::string::npos &&
           X_TCP_PORT + std::stoi(text) <= 65535;
}

}  // namespace

std::vector<DisplaySocket> xDisplaySockets(const std::string& display) {
    std::string rest = display, protocol;
    std::string::size_type slash = rest.find('/');
    if (slash != std::string::npos) {
        protocol = rest.substr(0, slash);
        rest = rest.substr(slash + 1);
        if (protocol != "unix" && protocol != "tcp") return {};
    }
    std::string::size_type colon = rest.rfind(':');
    if (colon == std::string::npos) return {};
    std::string host = rest.substr(0, colon);
    std::string number = rest.substr(colon + 1);
    number = number.substr(0, number.find('.'));  // without the screen
    if (!isDisplayNumber(number) || (!host.empty() && host.back() == ':')) return {};  // DECnet
    const int port = X_TCP_PORT + std::stoi(number);
    const bool local = protocol == "unix" || (protocol.empty() && (host.empty() || host == "unix"));
    if (!local) return {{"", host.empty() ? "localhost" : host, port}};
    const std::string file = "/tmp/.X11-unix/X" + number;
    std::vector<DisplaySocket> sockets = {{std::string(1, '\0') + file, "", 0}, {file, "", 0}};
    if (protocol.empty() && host.empty()) sockets.push_back({"", "localhost", port});
    return sockets;
}

std::vector<DisplaySocket> waylandDisplaySockets(const std::string& name,
                                                 const std::optional<std::string>& runtimeFolder) {
    if (!name.empty() && name.front() == '/') return {{name, "", 0}};
    if (!runtimeFolder || runtimeFolder->empty()) return {};
    return {{*runtimeFolder + "/" + name, "", 0}};
}

std::vector<DisplayServer> sessionDisplayServers() {
    std::vector<DisplayServer> servers;
    auto x = os::environmentValue("DISPLAY");
    if (x && !x->empty()) servers.push_back({xDisplaySockets(*x), X_CONNECTION_SETUP});
    auto wayland = os::environmentValue("WAYLAND_DISPLAY");
    if (wayland && !wayland->empty()) {
        servers.push_back({waylandDisplaySockets(*wayland, os::environmentValue("XDG_RUNTIME_DIR")),
                           waylandSync()});
    }
    return servers;
}

}  // namespace mirobanth::application
