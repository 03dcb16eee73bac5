#include "core/TransitionManager.h"

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "core/Console.h"
#include "core/Transition.h"

using mirobanth::core::Console;
using mirobanth::core::Transition;
using mirobanth::core::TransitionManager;
using mirobanth::test::capture;

namespace {

void expectSameFields(const Transition& actual, const Transition& expected) {
    EXPECT_EQ(actual.label, expected.label);
    EXPECT_EQ(actual.detail, expected.detail);
    EXPECT_EQ(actual.passCount, expected.passCount);
    EXPECT_EQ(actual.secondCount, expected.secondCount);
    EXPECT_EQ(actual.thirdCount, expected.thirdCount);
    EXPECT_EQ(actual.afterFlag, expected.afterFlag);
    EXPECT_EQ(actual.marked, expected.marked);
}

Transition filledTransition() {
    Transition transition;
    transition.label = "open";
    transition.detail = "door";
    transition.passCount = 1;
    transition.secondCount = 2;
    transition.thirdCount = 3;
    transition.afterFlag = 4;
    transition.marked = true;
    return transition;
}

TEST(TransitionTest, CopiesCarryEveryFieldAndLinksChangeNothing) {
    Transition source = filledTransition();
    Transition copy(source);
    expectSameFields(copy, source);

    Transition assigned;
    assigned = source;
    expectSameFields(assigned, source);

    copy.from(nullptr);
    copy.to(nullptr);
    copy.to(&assigned);
    expectSameFields(copy, source);
    expectSameFields(assigned, source);
}

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
