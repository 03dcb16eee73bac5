// Every path that ends the process, each run in a child of the test program.
#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>
#include <mirobanth/core/RuntimeException.h>

#include <gtest/gtest.h>

namespace mirobanth::test { namespace {

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
