#include <gtest/gtest.h>

#include "platform/os/linux/DisplayServers.h"

namespace mirobanth::test { namespace {

using Sockets = std::vector<application::DisplaySocket>;

application::DisplaySocket local(const std::string& path) { return {path, "", 0}; }
application::DisplaySocket tcp(const std::string& host, int port) { return {"", host, port}; }
const std::string ABSTRACT(1, '\0');

TEST(DisplayServersTest, XClientsTryTheseSockets) {
    struct Case {
        std::string display;
        Sockets sockets;
    } cases[] = {
        {":0",
         {local(ABSTRACT + "/tmp/.X11-unix/X0"), local("/tmp/.X11-unix/X0"),
          tcp("localhost", 6000)}},
        {"unix:7.1", {local(ABSTRACT + "/tmp/.X11-unix/X7"), local("/tmp/.X11-unix/X7")}},
        {"unix/:4", {local(ABSTRACT + "/tmp/.X11-unix/X4"), local("/tmp/.X11-unix/X4")}},
        {"remote.example:10.0", {tcp("remote.example", 6010)}},
        {"tcp/:3", {tcp("localhost", 6003)}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(application::xDisplaySockets(test.display), test.sockets) << test.display;
    for (const char* unknown : {"", "nonsense", "host::0", ":x", ":59536", "ftp/h:0"})
        EXPECT_EQ(application::xDisplaySockets(unknown), Sockets{}) << unknown;
}

TEST(DisplayServersTest, AWaylandDisplayIsAPathOrANameInTheRuntimeFolder) {
    EXPECT_EQ(application::waylandDisplaySockets("wayland-1", "/run/user/7"),
              Sockets{local("/run/user/7/wayland-1")});
    EXPECT_EQ(application::waylandDisplaySockets("/tmp/w", std::nullopt), Sockets{local("/tmp/w")});
    EXPECT_EQ(application::waylandDisplaySockets("wayland-0", std::nullopt), Sockets{});
}

}}  // namespace mirobanth::test
