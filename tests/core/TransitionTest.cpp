#include <mirobanth/core/Console.h>
#include <mirobanth/core/TransitionManager.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class TransitionManagerTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    core::TransitionManager& manager = core::TransitionManager::instance();
};

TEST_F(TransitionManagerTest, ThereIsOneManager) {
    EXPECT_EQ(&core::TransitionManager::instance(), &manager);
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
    EXPECT_TRUE(core::Console::isSilent());
    manager.enableSilent(false);

    manager.enableVerbose(false);
    EXPECT_FALSE(core::Console::isVerbose());

    manager.setCommentPrefix("//");
    EXPECT_EQ(core::Console::getCommentPrefix(), "//");
    core::Console::setCommentPrefix("#");
}

TEST_F(TransitionManagerTest, SelfTestWritesNothing) {
    auto output = capture([] { core::TransitionManager::test(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

}}  // namespace mirobanth::test
