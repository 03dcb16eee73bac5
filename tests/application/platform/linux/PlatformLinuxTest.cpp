#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <chrono>
#include <filesystem>

#include "ChildProcess.h"
#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"
#include "application/platform/PlatformFactory.h"
#include "application/platform/linux/PlatformLinux.h"

namespace fs = std::filesystem;
using mirobanth::application::PlatformLinux;
using mirobanth::test::capture;

namespace {

const std::string NOT_FOUND_ALERT =
    "Mirobanth Runtime Alert: Installation problem:\n"
    "Java Runtime Not Found - No Java installed ?\n";
const std::string NOT_FOUND_DETAIL = "Java Runtime Not Found - No Java installed ?\n";

class PlatformLinuxTest : public ::testing::Test {
protected:
    // No display: alerts go to standard error.
    void SetUp() override {
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
    }
    mirobanth::test::ConsoleSwitches restoreSwitches;
    mirobanth::test::EnvironmentVariables environment;
    mirobanth::test::TemporaryFolder emptyRoot;
    PlatformLinux platform;
};

TEST_F(PlatformLinuxTest, IdentityTextsAndTheFactory) {
    EXPECT_EQ(platform.getPlatformName(), "Linux");
    EXPECT_EQ(platform.getPathSeparator(), ":");
    EXPECT_EQ(platform.getPlatformInfo(), "<Unknown>");
    EXPECT_EQ(platform.getPlatformDetail(), "Unknown");
    EXPECT_EQ(mirobanth::application::createPlatform()->getPlatformName(), "Linux");
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

TEST_F(PlatformLinuxTest, RuntimeLayoutsOfLinux) {
    auto candidates = platform.getRuntimeLibraryCandidates("/opt/jdk");
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates[0], "/opt/jdk/lib/server/libjvm.so");
    utsname machine{};
    uname(&machine);
    if (std::string(machine.machine) == "x86_64" && sizeof(void*) == 8) {
        EXPECT_EQ(candidates[1], "/opt/jdk/jre/lib/amd64/server/libjvm.so");
    }
}

TEST_F(PlatformLinuxTest, QuotedTextReachesTheShellUnchanged) {
    EXPECT_EQ(platform.quoteForShell("a b"), "'a b'");
    EXPECT_EQ(platform.quoteForShell("it's"), "'it'\\''s'");
    EXPECT_EQ(platform.quoteForShell(""), "''");
    std::string nasty = "/opt/My Java/it's \"$HOME\" `id` \\ *";
    auto result =
        mirobanth::test::runChild({"/bin/sh", "-c", "printf %s " + platform.quoteForShell(nasty)});
    EXPECT_EQ(result.out, nasty);
}

TEST_F(PlatformLinuxTest, FindsTheOpenJdkOfThisMachine) {
    const std::string library = "/usr/lib/jvm/java-17-openjdk-amd64/lib/server/libjvm.so";
    std::error_code error;
    if (!fs::exists(library) ||
        fs::canonical("/usr/bin/java", error) != "/usr/lib/jvm/java-17-openjdk-amd64/bin/java") {
        GTEST_SKIP() << "no OpenJDK 17 behind /usr/bin/java";
    }
    environment.set("PATH", "/usr/bin:/bin");
    std::string found;
    auto output = capture([&] { found = platform.getRuntimeLibrary(); });
    EXPECT_EQ(found, library);
    EXPECT_EQ(output.out + output.err, "");
}

TEST_F(PlatformLinuxTest, MissingRuntimeIsReportedOnce) {
    environment.set("PATH", "");
    PlatformLinux bare(emptyRoot.path());
    std::string found = "x";
    auto output = capture([&] { found = bare.getRuntimeLibrary(); });
    EXPECT_EQ(found, "");
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, NOT_FOUND_ALERT + NOT_FOUND_DETAIL);

    auto selfTest = capture([&] { bare.test(); });
    EXPECT_EQ(selfTest.out, "+ PLATFORM TESTING\n+Linux\n+\n+:\n");

    // The alert stands for a message box, which silence does not hide.
    mirobanth::core::Console::enableSilent(true);
    auto silent = capture([&] { bare.getRuntimeLibrary(); });
    EXPECT_EQ(silent.err, NOT_FOUND_ALERT);
}

}  // namespace
