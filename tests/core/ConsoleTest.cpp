#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>
#include <mirobanth/core/RuntimeException.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class ConsoleTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    core::Name source{"Managed"};
};

TEST_F(ConsoleTest, LinesGoToTheirStreams) {
    auto output = capture([&] {
        core::Console::info("plain info");
        core::Console::warn("plain warn");
        core::Console::info(&source, "tagged info");
        core::Console::warn(&source, "tagged warn");
        core::Console::info("");
    });
    EXPECT_EQ(output.out, "plain info\nManaged: tagged info\n\n");
    EXPECT_EQ(output.err, "plain warn\nManaged: tagged warn\n");
}

TEST_F(ConsoleTest, NotImplementedForms) {
    auto output = capture([&] {
        core::Console::notImplemented();
        core::Console::notImplemented("hash");
        core::Console::notImplemented(&source, "load");
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "Function not implemented\n"
              "Function not implemented: hash\n"
              "Function not implemented: Managed#load\n");
}

TEST_F(ConsoleTest, LifecycleEventsFollowVerbose) {
    auto verboseOutput = capture([&] {
        core::Console::initEvent(&source);
        core::Console::initEvent(&source, "");
        core::Console::initEvent(&source, "ready");
        core::Console::finalizeEvent(&source);
    });
    EXPECT_EQ(verboseOutput.out,
              "Managed: <INIT>\nManaged: <INIT> \nManaged: <INIT> ready\nManaged: <FINALIZE>\n");

    core::Console::enableVerbose(false);
    auto quietOutput = capture([&] {
        core::Console::initEvent(&source);
        core::Console::finalizeEvent(&source);
    });
    EXPECT_EQ(quietOutput.out, "Managed: <INIT>\n");
}

TEST_F(ConsoleTest, SilentSuppressesEverythingButTheSplash) {
    core::Console::enableSilent(true);
    auto output = capture([&] {
        core::Console::info("i");
        core::Console::warn("w");
        core::Console::info(&source, "i");
        core::Console::warn(&source, "w");
        core::Console::notImplemented();
        core::Console::notImplemented("x");
        core::Console::notImplemented(&source, "x");
        core::Console::initEvent(&source);
        core::Console::finalizeEvent(&source);
        core::Console::splash("Tintavel", "amd64", "ana", "Tue Dec  8 21:53:43 2026");
    });
    EXPECT_EQ(output.out,
              "Mirobanth Tintavel running on amd64 in userspace <ana>\n"
              "Tue Dec  8 21:53:43 2026\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(ConsoleTest, SwitchesAndStoredSettings) {
    core::Console console;
    EXPECT_STREQ(console.getVersion(), "1.0");
    EXPECT_EQ(core::Console::getCompanyName(), "Mirobanth");
    EXPECT_EQ(core::Console::getExecutableName(), "UNDEFINED");
    EXPECT_EQ(core::Console::getCommentPrefix(), "#");
    EXPECT_FALSE(core::Console::isStacktraceEnabled());
    EXPECT_FALSE(core::Console::isCommentMode());

    core::Console::setExecutableName("Tintavel64");
    EXPECT_EQ(core::Console::getExecutableName(), "Tintavel64");
    core::Console::setExecutableName("UNDEFINED");
    core::Console::enableCommentMode(true);
    EXPECT_TRUE(core::Console::isCommentMode());
    core::Console::enableCommentMode(false);
}

TEST_F(ConsoleTest, DeletingAConsoleAnnouncesItsName) {
    auto output = capture([] { delete new core::Console(); });
    EXPECT_EQ(output.out, "Console: <FINALIZE>\n");
}

TEST_F(ConsoleTest, SelfTestReportsItsLinesAndReturns) {
    auto output = capture([] { core::Console::test(); });
    EXPECT_EQ(output.out,
              "Console: Information - This is a Console system test.\n"
              "CALL: dir@<NONE>\n");
    EXPECT_EQ(output.err,
              "Console: Warning - This is a Console system test.\n"
              "std::exception\n");
}

// Every path that ends the process, each run in a child of the test program.
TEST(ConsoleDeathTest, FatalPrintsTheBannerAndExitsWithOne) {
    EXPECT_EXIT(core::Console::fatal("disk full"), ::testing::ExitedWithCode(1),
                "^FATAL ERROR, EXITING...\ndisk full\n$");
}

TEST(ConsoleDeathTest, FatalWithSourceRepeatsTheTextTagged) {
    core::Name source("Tintavel");
    EXPECT_EXIT(core::Console::fatal(&source, "x"), ::testing::ExitedWithCode(1),
                "^Tintavel: x\nFATAL ERROR, EXITING...\nx\n$");
}

TEST(ConsoleDeathTest, FatalKeepsTheTextOfARuntimeException) {
    core::RuntimeException problem("no memory left");
    EXPECT_EXIT(core::Console::fatal("giving up", problem), ::testing::ExitedWithCode(1),
                "^no memory left\nFATAL ERROR, EXITING...\ngiving up\n$");
    core::Name source("Tintavel");
    EXPECT_EXIT(core::Console::fatal(&source, "giving up", problem), ::testing::ExitedWithCode(1),
                "^Tintavel: no memory left\nFATAL ERROR, EXITING...\ngiving up\n$");
}

TEST(ConsoleDeathTest, SilentFatalStillShowsTheBanner) {
    core::Name source("Tintavel");
    EXPECT_EXIT(
        {
            core::Console::enableSilent(true);
            core::Console::fatal(&source, "x");
        },
        ::testing::ExitedWithCode(1), "^FATAL ERROR, EXITING...\nx\n$");
}

TEST(ConsoleDeathTest, FlatFatalUsesTheHandleOrTheStandIn) {
    EXPECT_EXIT(mbConsoleFatal(nullptr, "stop"), ::testing::ExitedWithCode(1),
                "^<ConsoleTypeC>: stop\nFATAL ERROR, EXITING...\nstop\n$");
    EXPECT_EXIT(mbConsoleFatal(mbConsoleCreate("Host"), "stop"), ::testing::ExitedWithCode(1),
                "^Host: stop\nFATAL ERROR, EXITING...\nstop\n$");
}

}}  // namespace mirobanth::test
