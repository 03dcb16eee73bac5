#include <mirobanth/core/NetLibrary.h>
#include <mirobanth/core/NetLibraryDefault.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class EchoClient : public core::NetLibraryInterface {
public:
    std::string request(std::string text) override { return "echo:" + text; }
};

// Every test starts and ends with no shared client installed.
class NetLibraryTest : public ::testing::Test {
protected:
    NetLibraryTest() { uninstall(); }
    ~NetLibraryTest() override { uninstall(); }
    static void uninstall() {
        capture([] { core::NetLibrary::install(nullptr); });
    }
    ConsoleSwitches restoreSwitches;
};

TEST_F(NetLibraryTest, ADefaultLibraryHasNoEndpointAndNoClient) {
    core::NetLibrary library;
    EXPECT_EQ(library.getName(), "mirobanth:net");
    EXPECT_EQ(library.getUrl(), "mirobanth:undefined");
    EXPECT_EQ(library.getNetClient(), nullptr);
}

TEST_F(NetLibraryTest, InstallWarnsOncePerReplacement) {
    EchoClient first, second, third;
    auto installFirst = capture([&] { core::NetLibrary::install(&first); });
    EXPECT_EQ(installFirst.err, "");

    auto replace = capture([&] { core::NetLibrary::install(&second); });
    EXPECT_EQ(replace.err, "client already installed\n");
    EXPECT_EQ(core::NetLibrary::getSharedNetClient(), &second);

    auto clear = capture([] { core::NetLibrary::install(nullptr); });
    EXPECT_EQ(clear.err, "client already installed\n");
    EXPECT_EQ(core::NetLibrary::getSharedNetClient(), nullptr);

    auto installAgain = capture([&] { core::NetLibrary::install(&third); });
    EXPECT_EQ(installAgain.err, "");
    EXPECT_EQ(installAgain.out, "");
    EXPECT_EQ(core::NetLibrary::getSharedNetClient(), &third);
}

TEST_F(NetLibraryTest, ForwardPassesTheTextToRequest) {
    core::NetLibraryDefault silentClient;
    EXPECT_EQ(silentClient.request("GET /"), "");
    EXPECT_EQ(silentClient.forward("GET /"), "");

    EchoClient echo;
    EXPECT_EQ(echo.forward("ping"), "echo:ping");
}

TEST_F(NetLibraryTest, SelfTestInstallsTheBuiltInClient) {
    auto output = capture([] { core::NetLibrary::test(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
    auto* installed =
        dynamic_cast<core::NetLibraryDefault*>(core::NetLibrary::getSharedNetClient());
    ASSERT_NE(installed, nullptr);
    uninstall();
    delete installed;
}

}}  // namespace mirobanth::test
