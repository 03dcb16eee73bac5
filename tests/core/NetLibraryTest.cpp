#include <mirobanth/core/NetLibrary.h>
#include <mirobanth/core/NetLibraryDefault.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

using mirobanth::core::NetLibrary;
using mirobanth::core::NetLibraryDefault;
using mirobanth::core::NetLibraryInterface;
using mirobanth::test::capture;

namespace {

class EchoClient : public NetLibraryInterface {
public:
    std::string request(std::string text) override { return "echo:" + text; }
};

// Every test starts and ends with no shared client installed.
class NetLibraryTest : public ::testing::Test {
protected:
    NetLibraryTest() { uninstall(); }
    ~NetLibraryTest() override { uninstall(); }
    static void uninstall() {
        capture([] { NetLibrary::install(nullptr); });
    }
    mirobanth::test::ConsoleSwitches restoreSwitches;
};

TEST_F(NetLibraryTest, ADefaultLibraryHasNoEndpointAndNoClient) {
    NetLibrary library;
    EXPECT_EQ(library.getName(), "mirobanth:net");
    EXPECT_EQ(library.getUrl(), "mirobanth:undefined");
    EXPECT_EQ(library.getNetClient(), nullptr);
}

TEST_F(NetLibraryTest, InstallWarnsOncePerReplacement) {
    EchoClient first, second, third;
    auto installFirst = capture([&] { NetLibrary::install(&first); });
    EXPECT_EQ(installFirst.err, "");

    auto replace = capture([&] { NetLibrary::install(&second); });
    EXPECT_EQ(replace.err, "client already installed\n");
    EXPECT_EQ(NetLibrary::getSharedNetClient(), &second);

    auto clear = capture([] { NetLibrary::install(nullptr); });
    EXPECT_EQ(clear.err, "client already installed\n");
    EXPECT_EQ(NetLibrary::getSharedNetClient(), nullptr);

    auto installAgain = capture([&] { NetLibrary::install(&third); });
    EXPECT_EQ(installAgain.err, "");
    EXPECT_EQ(installAgain.out, "");
    EXPECT_EQ(NetLibrary::getSharedNetClient(), &third);
}

TEST_F(NetLibraryTest, ForwardPassesTheTextToRequest) {
    NetLibraryDefault silentClient;
    EXPECT_EQ(silentClient.request("GET /"), "");
    EXPECT_EQ(silentClient.forward("GET /"), "");

    EchoClient echo;
    EXPECT_EQ(echo.forward("ping"), "echo:ping");
}

TEST_F(NetLibraryTest, SelfTestInstallsTheBuiltInClient) {
    auto output = capture([] { NetLibrary::test(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
    auto* installed = dynamic_cast<NetLibraryDefault*>(NetLibrary::getSharedNetClient());
    ASSERT_NE(installed, nullptr);
    uninstall();
    delete installed;
}

}  // namespace
