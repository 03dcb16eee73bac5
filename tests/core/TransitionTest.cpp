#include <mirobanth/core/Console.h>
#include <mirobanth/core/TransitionManager.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

using mirobanth::core::Console;
using mirobanth::core::TransitionManager;
using mirobanth::test::capture;

namespace {

class TransitionManagerTest : public ::testing::Test {
protected:
    mirobanth::test::ConsoleSwitches restoreSwitches;
    TransitionManager& manager = TransitionManager::instance();
};

TEST_F(TransitionManagerTest, ThereIsOneManager) {
    EXPECT_EQ(&TransitionManager::instance(), &manager);
}

TEST_F(TransitionManagerTest, InformationGoesThroughWarningsAndFatalTextsDoNot) {
    auto output = capture([&] {
        manager.info("moving");
        manager.warn("");
        manager.warn("careful");
        manager.fatal("");
        manager.fatal("broken", true);
    });
    EXPECT_EQ(output.out, "moving\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(TransitionManagerTest, SwitchesReachTheConsole) {
    manager.enableSilent(true);
    EXPECT_TRUE(Console::isSilent());
    auto silenced = capture([&] { manager.info("moving"); });
    EXPECT_EQ(silenced.out, "");
    manager.enableSilent(false);

    manager.enableVerbose(false);
    EXPECT_FALSE(Console::isVerbose());

    manager.setCommentPrefix("//");
    EXPECT_EQ(Console::getCommentPrefix(), "//");
    Console::setCommentPrefix("#");
}

TEST_F(TransitionManagerTest, SelfTestWritesNothing) {
    auto output = capture([] { TransitionManager::test(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

}  // namespace
