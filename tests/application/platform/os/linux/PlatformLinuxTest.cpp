#include <mirobanth/application/platform/PlatformFactory.h>
#include <mirobanth/application/platform/PlatformLinux.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "ChildProcess.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class PlatformLinuxTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
    }
    EnvironmentVariables environment;
    application::PlatformLinux platform;
};

TEST_F(PlatformLinuxTest, IdentityLayoutAndQuoting) {
    EXPECT_EQ(application::createPlatform()->getPlatformName(), "Linux");
    EXPECT_EQ(
        platform.getPathSeparator() + platform.getPlatformInfo() + platform.getPlatformDetail(),
        ":<Unknown>Unknown");
    EXPECT_EQ(platform.quoteForShell("it's"), "'it'\\''s'");
    std::string nasty = "/opt/My Java/it's \"$HOME\" `id` \\ *";
    auto shell = runChild({"/bin/sh", "-c", "printf %s " + platform.quoteForShell(nasty)});
    EXPECT_EQ(shell.out, nasty);
}

TEST_F(PlatformLinuxTest, SleepsForRealAndSilently) {
    auto start = std::chrono::steady_clock::now();
    auto output = capture([&] {
        platform.sleepNow(60);
        platform.sleepNow(0);
        platform.sleepNow(-5);
    });
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(60));
    EXPECT_EQ(output.out + output.err, "");
}

TEST_F(PlatformLinuxTest, FindsTheOpenJdkOfThisMachine) {
    const std::string home = "/usr/lib/jvm/java-17-openjdk-amd64";
    std::error_code error;
    if (std::filesystem::canonical("/usr/bin/java", error) != home + "/bin/java" ||
        !std::filesystem::exists(home + "/lib/server/libjvm.so")) {
        GTEST_SKIP() << "/usr/bin/java is not OpenJDK 17";
    }
    environment.set("PATH", "/usr/bin:/bin");
    auto output =
        capture([&] { EXPECT_EQ(platform.getRuntimeLibrary(), home + "/lib/server/libjvm.so"); });
    EXPECT_EQ(output.out + output.err, "");
}

}}  // namespace mirobanth::test
