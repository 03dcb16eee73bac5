#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

using mirobanth::core::Console;
using mirobanth::core::Name;
using mirobanth::test::capture;

namespace {

class ConsoleTest : public ::testing::Test {
protected:
    mirobanth::test::ConsoleSwitches restoreSwitches;
    Name source{"Managed"};
};

TEST_F(ConsoleTest, LinesGoToTheirStreams) {
    auto output = capture([&] {
        Console::info("plain info");
        Console::warn("plain warn");
        Console::info(&source, "tagged info");
        Console::warn(&source, "tagged warn");
        Console::info("");
    });
    EXPECT_EQ(output.out, "plain info\nManaged: tagged info\n\n");
    EXPECT_EQ(output.err, "plain warn\nManaged: tagged warn\n");
}

TEST_F(ConsoleTest, NotImplementedForms) {
    auto output = capture([&] {
        Console::notImplemented();
        Console::notImplemented("hash");
        Console::notImplemented(&source, "load");
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "Function not implemented\n"
              "Function not implemented: hash\n"
              "Function not implemented: Managed#load\n");
}

TEST_F(ConsoleTest, LifecycleEventsFollowVerbose) {
    auto verboseOutput = capture([&] {
        Console::initEvent(&source);
        Console::initEvent(&source, "");
        Console::initEvent(&source, "ready");
        Console::finalizeEvent(&source);
    });
    EXPECT_EQ(verboseOutput.out,
              "Managed: <INIT>\nManaged: <INIT> \nManaged: <INIT> ready\nManaged: <FINALIZE>\n");

    Console::enableVerbose(false);
    auto quietOutput = capture([&] {
        Console::initEvent(&source);
        Console::finalizeEvent(&source);
    });
    EXPECT_EQ(quietOutput.out, "Managed: <INIT>\n");
}

TEST_F(ConsoleTest, SilentSuppressesEverythingButTheSplash) {
    Console::enableSilent(true);
    auto output = capture([&] {
        Console::info("i");
        Console::warn("w");
        Console::info(&source, "i");
        Console::warn(&source, "w");
        Console::notImplemented();
        Console::notImplemented("x");
        Console::notImplemented(&source, "x");
        Console::initEvent(&source);
        Console::finalizeEvent(&source);
        Console::splash("Tintavel", "amd64", "ana", "Tue Dec  8 21:53:43 2026");
    });
    EXPECT_EQ(output.out,
              "Mirobanth Tintavel running on amd64 in userspace <ana>\n"
              "Tue Dec  8 21:53:43 2026\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(ConsoleTest, SwitchesAndStoredSettings) {
    Console console;
    EXPECT_STREQ(console.getVersion(), "1.0");
    EXPECT_EQ(Console::getCompanyName(), "Mirobanth");
    EXPECT_EQ(Console::getExecutableName(), "UNDEFINED");
    EXPECT_EQ(Console::getCommentPrefix(), "#");
    EXPECT_FALSE(Console::isStacktraceEnabled());
    EXPECT_FALSE(Console::isCommentMode());

    Console::setExecutableName("Tintavel64");
    EXPECT_EQ(Console::getExecutableName(), "Tintavel64");
    Console::setExecutableName("UNDEFINED");
    Console::enableCommentMode(true);
    EXPECT_TRUE(Console::isCommentMode());
    Console::enableCommentMode(false);
}

TEST_F(ConsoleTest, DeletingAConsoleAnnouncesItsName) {
    auto output = capture([] { delete new Console(); });
    EXPECT_EQ(output.out, "Console: <FINALIZE>\n");
}

TEST_F(ConsoleTest, SelfTestReportsItsLinesAndReturns) {
    auto output = capture([] { Console::test(); });
    EXPECT_EQ(output.out,
              "Console: Information - This is a Console system test.\n"
              "CALL: dir@<NONE>\n");
    EXPECT_EQ(output.err,
              "Console: Warning - This is a Console system test.\n"
              "std::exception\n");
}

}  // namespace
