#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <type_traits>

#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"
#include "application/platform/Platform.h"
#include "application/platform/PlatformGeneric.h"
#include "application/platform/PlatformMacOS.h"

using mirobanth::application::Network;
using mirobanth::application::Platform;
using mirobanth::application::PlatformGeneric;
using mirobanth::application::PlatformMacOS;
using mirobanth::test::capture;

namespace {

// The macOS platform completed with a name and a separator; everything else
// is the base class's, except an alert that leaves a mark on standard error
// so that the order of alert and warning shows.
class BarePlatform : public PlatformMacOS {
public:
    std::string getPlatformName() override { return "Bare"; }
    std::string getPathSeparator() override { return "|"; }
    using Platform::alert;
    void alert(std::string title, std::string message) override {
        std::cerr << "[" << title << "|" << message << "]" << std::endl;
    }
    using Platform::reportInstallationProblem;
};

class PlatformTest : public ::testing::Test {
protected:
    mirobanth::test::ConsoleSwitches restoreSwitches;
    PlatformGeneric generic;
};

TEST_F(PlatformTest, BaseSleepWarnsAboutValuesOfZeroOrLessAndNeverSleeps) {
    BarePlatform bare;
    auto output = capture([&] {
        bare.sleepNow(0);
        bare.sleepNow(-7);
        bare.sleepNow(5);
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "sleepNow value <= 0\nFunction not implemented: sleepNow\n"
              "sleepNow value <= 0\nFunction not implemented: sleepNow\n"
              "Function not implemented: sleepNow\n");
}

TEST_F(PlatformTest, GetLibraryAppendsTheSuffixToTheVariable) {
    mirobanth::test::EnvironmentVariables environment;
    environment.set("MIROBANTH_TEST_JAVA", "D:\\java");
    environment.set("MIROBANTH_TEST_EMPTY", "");
    environment.remove("MIROBANTH_TEST_UNDEFINED");
    std::string defined, empty, undefined;
    auto output = capture([&] {
        defined = generic.getLibrary("MIROBANTH_TEST_JAVA", "\\bin");
        empty = generic.getLibrary("MIROBANTH_TEST_EMPTY", "/lib");
        undefined = generic.getLibrary("MIROBANTH_TEST_UNDEFINED", "/lib");
    });
    EXPECT_EQ(defined, "D:\\java\\bin");
    EXPECT_EQ(empty, "/lib");
    EXPECT_EQ(undefined, "");
    EXPECT_EQ(output.err, "Environment variable not defined MIROBANTH_TEST_UNDEFINED\n");
}

TEST_F(PlatformTest, StandInsReportThemselvesAndReturnNeutralValues) {
    std::unique_ptr<Network> network;
    bool answer = true;
    std::string downloaded = "x", prompted = "x", hashed = "x";
    auto output = capture([&] {
        network.reset(generic.getNetwork());
        network->connect("http://example.org");
        EXPECT_EQ(network->download("http://example.org"), "");
        generic.connect("");
        generic.connect("http://example.org");
        downloaded = generic.download("http://example.org/a.jar");
        generic.alert("Tintavel", "Class not found");
        generic.alert("Class not found");
        answer = generic.choice("Retry?");
        prompted = generic.prompt("Name", "Your name");
        generic.status("Loading");
        hashed = generic.hash("text");
    });
    ASSERT_NE(network, nullptr);
    EXPECT_FALSE(answer);
    EXPECT_EQ(downloaded + prompted + hashed, "");
    EXPECT_EQ(output.out, "Connecting to \nConnecting to http://example.org\n");
    EXPECT_EQ(output.err,
              "Function not implemented: download\nFunction not implemented: alert\n"
              "Function not implemented: alert\nFunction not implemented: choice\n"
              "Function not implemented: prompt\nFunction not implemented: status\n"
              "Function not implemented: hash\n");

    mirobanth::core::Console::enableSilent(true);
    auto silent = capture([&] {
        generic.connect("http://example.org");
        generic.alert("Tintavel", "Class not found");
    });
    EXPECT_EQ(silent.out + silent.err, "");
}

TEST_F(PlatformTest, TextUtilities) {
    EXPECT_EQ(generic.trim(" a b "), "ab");
    EXPECT_EQ(generic.trim("\ta b\t"), "\tab\t");
    EXPECT_EQ(generic.remove("a,b,,c", ","), "abc");
    EXPECT_EQ(generic.remove("aabb", "ab"), "bb");
    EXPECT_EQ(generic.remove("/usr/lib", "\""), "/usr/lib");
    EXPECT_EQ(generic.remove("", ","), "");
    // An empty pattern leaves the text as it is (and must not loop for ever).
    EXPECT_EQ(generic.remove("abc", ""), "abc");
    EXPECT_EQ(generic.getRelativePath("/a/b", "/a/c"), "");
    EXPECT_EQ(generic.getRelativePath("", ""), "");

    std::map<std::string, std::string> fromEmpty, fromText{{"x", "y"}};
    auto output = capture([&] {
        fromEmpty = generic.list("");
        fromText = generic.list("a=b");
    });
    EXPECT_TRUE(fromEmpty.empty());
    EXPECT_TRUE(fromText.empty());
    EXPECT_EQ(output.err, "list argument has length == 0\n");
}

TEST_F(PlatformTest, SelfTestAsksTheObjectsOwnClass) {
    BarePlatform bare;
    auto generic = capture([&] { this->generic.test(); });
    auto macOS = capture([&] { bare.test(); });
    EXPECT_EQ(generic.out, "+ PLATFORM TESTING\n+Generic\n+\n+;\n");
    EXPECT_EQ(macOS.out, "+ PLATFORM TESTING\n+Bare\n+\n+|\n");
    EXPECT_EQ(generic.err + macOS.err, "");
}

TEST_F(PlatformTest, InstallationProblemShowsAnAlertThenWarnsTheDetail) {
    BarePlatform bare;
    auto output = capture([&] { bare.reportInstallationProblem("Version Root"); });
    EXPECT_EQ(output.err,
              "[Mirobanth Runtime|Installation problem:\nVersion Root\n\t\t\t\t]\n"
              "Version Root\n");

    mirobanth::core::Console::enableSilent(true);
    auto silent = capture([&] { bare.reportInstallationProblem("Version Root"); });
    EXPECT_EQ(silent.err, "[Mirobanth Runtime|Installation problem:\nVersion Root\n\t\t\t\t]\n");
}

TEST_F(PlatformTest, BaseRuntimeLayoutAndQuotingAreThoseOfWindows) {
    BarePlatform bare;
    EXPECT_EQ(bare.getRuntimeLibraryCandidates("C:/Java"),
              (std::vector<std::string>{
                  "C:/Java/jre/bin/client/jvm.dll", "C:/Java/jre/bin/server/jvm.dll",
                  "C:/Java/bin/server/jvm.dll", "C:/Java/bin/client/jvm.dll"}));
    EXPECT_EQ(bare.quoteForShell("C:/Program Files/Java"), "\"C:/Program Files/Java\"");
}

TEST_F(PlatformTest, GenericAndMacOSIdentities) {
    EXPECT_EQ(generic.getPlatformName(), "Generic");
    EXPECT_EQ(generic.getRuntimeLibrary(), "");
    EXPECT_EQ(generic.getPathSeparator(), ";");
    EXPECT_EQ(generic.getPlatformInfo(), "<Unknown>");
    EXPECT_EQ(generic.getPlatformDetail(), "Unknown");
    auto output = capture([&] {
        generic.sleepNow(0);
        generic.sleepNow(-1);
    });
    EXPECT_EQ(output.out + output.err, "");

    EXPECT_TRUE(std::is_abstract_v<PlatformMacOS>);
    BarePlatform macOS;
    EXPECT_EQ(macOS.getRuntimeLibrary(), "");
    EXPECT_EQ(macOS.getPlatformInfo(), "<Unknown>");
    EXPECT_EQ(macOS.getPlatformDetail(), "");
}

}  // namespace
