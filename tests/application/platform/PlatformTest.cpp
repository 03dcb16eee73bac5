#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/application/platform/PlatformGeneric.h>
#include <mirobanth/application/platform/PlatformMacOS.h>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <random>
#include <type_traits>

#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

// The macOS platform completed with a name and a separator; everything else
// is the base class's, but for an alert that leaves a mark on standard error
// so that the order of alert and warning shows.
class CompletedMacOS : public application::PlatformMacOS {
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
    ConsoleSwitches restoreSwitches;
    application::PlatformGeneric generic;
    CompletedMacOS base;
};

TEST_F(PlatformTest, BaseSleepWarnsAboutValuesOfZeroOrLessAndNeverSleeps) {
    auto output = capture([&] {
        base.sleepNow(0);
        base.sleepNow(-7);
        base.sleepNow(5);
    });
    const std::string report = "Function not implemented: sleepNow\n";
    const std::string warning = "sleepNow value <= 0\n";
    EXPECT_EQ(output.err, warning + report + warning + report + report);
}

TEST_F(PlatformTest, GetLibraryAppendsTheSuffixToTheVariable) {
    EnvironmentVariables environment;
    environment.set("MIROBANTH_TEST_JAVA", "D:\\java");
    environment.set("MIROBANTH_TEST_EMPTY", "");
    environment.remove("MIROBANTH_TEST_UNDEFINED");
    auto output = capture([&] {
        EXPECT_EQ(generic.getLibrary("MIROBANTH_TEST_JAVA", "\\bin"), "D:\\java\\bin");
        EXPECT_EQ(generic.getLibrary("MIROBANTH_TEST_EMPTY", "/lib"), "/lib");
        EXPECT_EQ(generic.getLibrary("MIROBANTH_TEST_UNDEFINED", "/lib"), "");
    });
    EXPECT_EQ(output.err, "Environment variable not defined MIROBANTH_TEST_UNDEFINED\n");
}

TEST_F(PlatformTest, StandInsReportThemselvesAndReturnNeutralValues) {
    auto output = capture([&] {
        std::unique_ptr<application::Network> network(generic.getNetwork());
        network->connect("http://example.org");
        EXPECT_EQ(network->download("http://example.org"), "");
        generic.connect("");
        EXPECT_EQ(generic.download("http://example.org/a.jar"), "");
        generic.alert("Tintavel", "Class not found");
        generic.alert("Class not found");
        EXPECT_FALSE(generic.choice("Retry?"));
        EXPECT_EQ(generic.prompt("Name", "Your name"), "");
        generic.status("Loading");
        EXPECT_EQ(generic.hash("text"), "");
    });
    EXPECT_EQ(output.out, "Connecting to \n");
    EXPECT_EQ(output.err,
              "Function not implemented: download\nFunction not implemented: alert\n"
              "Function not implemented: alert\nFunction not implemented: choice\n"
              "Function not implemented: prompt\nFunction not implemented: status\n"
              "Function not implemented: hash\n");
}

// One character per match, the search starting over at 0 each time: the
// slow way, which remove must match for every text while resuming its search
// near the last deletion.
std::string removeFromTheStartEachTime(std::string text, const std::string& pattern) {
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern))
        text.erase(at, 1);
    return text;
}

TEST_F(PlatformTest, RemoveGivesWhatRestartingFromTheStartGives) {
    std::mt19937 random(15);
    std::uniform_int_distribution<int> length(0, 14), letter(0, 2);
    for (int i = 0; i < 20000; ++i) {
        const int letters = 2 + i % 2;
        std::string text, pattern;
        for (int n = length(random); n > 0; --n) text += "abc"[letter(random) % letters];
        for (int n = 1 + length(random) % 5; n > 0; --n) pattern += "abc"[letter(random) % letters];
        ASSERT_EQ(generic.remove(text, pattern), removeFromTheStartEachTime(text, pattern))
            << text << " less " << pattern;
    }
}

// Texts where each deletion makes the next occurrence: tens of thousands of
// deletions of a character of a 32 KB pattern from a 128 KB text. Were every
// search to start over at the beginning, they would take minutes, beyond the
// test's time limit; one pass takes a fraction of a second.
TEST_F(PlatformTest, RemoveCascadesThroughLongTextsQuickly) {
    const auto run = [](const std::string& a, int as, const std::string& b, int bs) {
        std::string text;
        for (int i = 0; i < as; ++i) text += a;
        for (int i = 0; i < bs; ++i) text += b;
        return text;
    };
    struct Case {
        std::string text, pattern, result;
    };
    const int K = 4 * 1024;
    const Case cases[] = {
        {run("a", 16 * K, "b", 16 * K), run("a", 4 * K, "b", 4 * K),
         run("a", 4 * K - 1, "b", 16 * K)},
        {run("a", 24 * K, "b", 8 * K), run("a", 1, "b", 8 * K - 1), run("b", 8 * K, "", 0)},
        {run("a", 24 * K, "b", 8 * K), run("a", 8 * K - 1, "b", 1),
         run("a", 8 * K - 2, "b", 8 * K)},
        {run("a", 32 * K, "", 0), run("a", 8 * K, "", 0), run("a", 8 * K - 1, "", 0)},
        {run("ab", 16 * K, "", 0), run("ab", 4 * K, "", 0), run("b", 12 * K + 1, "ab", 4 * K - 1)}};
    for (const Case& c : cases) EXPECT_EQ(generic.remove(c.text, c.pattern), c.result);
}

TEST_F(PlatformTest, TextUtilities) {
    EXPECT_EQ(generic.trim(" a b "), "ab");
    EXPECT_EQ(generic.trim("\ta b\t"), "\tab\t");
    EXPECT_EQ(generic.remove("a,b,,c", ","), "abc");
    EXPECT_EQ(generic.remove("aabb", "ab"), "bb");
    EXPECT_EQ(generic.remove("", ","), "");
    // An empty pattern leaves the text as it is (and must not loop for ever).
    EXPECT_EQ(generic.remove("abc", ""), "abc");
    EXPECT_EQ(generic.getRelativePath("/a/b", "/a/c") + generic.getRelativePath("", ""), "");
    auto output = capture([&] {
        EXPECT_TRUE(generic.list("").empty());
        EXPECT_TRUE(generic.list("a=b").empty());
    });
    EXPECT_EQ(output.err, "list argument has length == 0\n");
}

TEST_F(PlatformTest, SelfTestAndInstallationProblem) {
    auto selfTests = capture([&] {
        generic.test();
        base.test();
    });
    EXPECT_EQ(selfTests.out,
              "+ PLATFORM TESTING\n+Generic\n+\n+;\n+ PLATFORM TESTING\n+Bare\n+\n+|\n");

    const std::string alert = "[Mirobanth Runtime|Installation problem:\nVersion Root\n\t\t\t\t]\n";
    auto problem = capture([&] { base.reportInstallationProblem("Version Root"); });
    EXPECT_EQ(problem.err, alert + "Version Root\n");
    core::Console::enableSilent(true);
    auto silent = capture([&] { base.reportInstallationProblem("Version Root"); });
    EXPECT_EQ(silent.err, alert);
}

TEST_F(PlatformTest, IdentitiesAndNeutralConventionsOfTheBase) {
    EXPECT_EQ(generic.getPlatformName() + generic.getRuntimeLibrary() + generic.getPathSeparator() +
                  generic.getPlatformInfo() + generic.getPlatformDetail(),
              "Generic;<Unknown>Unknown");
    auto output = capture([&] { generic.sleepNow(0); });
    EXPECT_EQ(output.out + output.err, "");

    EXPECT_TRUE(std::is_abstract_v<application::PlatformMacOS>);
    EXPECT_EQ(base.getRuntimeLibrary() + base.getPlatformInfo() + base.getPlatformDetail(),
              "<Unknown>");
    EXPECT_EQ(base.quoteForShell("C:/Program Files/Java"), "C:/Program Files/Java");
}

}}  // namespace mirobanth::test
