// The managed object without a VM: construction, launcher switches, flags and
// their property events, the argument set and the shared instance.
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <memory>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"

using mirobanth::core::Console;
using mirobanth::managed::Managed;
using mirobanth::test::capture;
using mirobanth::test::CommandLine;
using mirobanth::test::linesAfter;

namespace {

class ManagedTest : public ::testing::Test {
protected:
    std::unique_ptr<Managed> make(std::string name, std::initializer_list<std::string> texts) {
        CommandLine arguments(texts);
        std::unique_ptr<Managed> managed;
        output = capture(
            [&] { managed = std::make_unique<Managed>(name, arguments.argc(), arguments.argv()); });
        return managed;
    }
    std::unique_ptr<Managed> make(std::initializer_list<std::string> texts) {
        return make("Tintavel", texts);
    }

    mirobanth::test::StubVMEnvironment environment;
    mirobanth::test::CapturedOutput output;
};

TEST_F(ManagedTest, ConstructionDerivesTheJavaNamesAndSaysSo) {
    auto managed = make({"program"});
    EXPECT_EQ(managed->getName(), "Tintavel");
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_EQ(managed->getJarName(), "tintavel.jar");
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No delegate used"),
              (std::vector<std::string>{
                  "Tintavel: Auto resolving class names are turned off",
                  "Tintavel: Tintavel",
                  "Tintavel: tintavel.jar",
                  "Tintavel: com/mirobanth/tintavel/Tintavel",
              }));
    EXPECT_EQ(output.err, "");
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, WithoutVerboseTheNamesAreNotListed) {
    Console::enableVerbose(false);
    auto managed = make({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No delegate used"),
              std::vector<std::string>{"Tintavel: Auto resolving class names are turned off"});
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, DefaultsBeforeAnySwitch) {
    auto managed = make({"program"});
    EXPECT_TRUE(managed->isNativeLookAndFeel());
    EXPECT_TRUE(managed->isChrome());
    EXPECT_TRUE(managed->isJVMAvailable());
    EXPECT_FALSE(managed->isGraphite());
    EXPECT_FALSE(managed->isGemini());
    EXPECT_FALSE(managed->isSecured());
    EXPECT_FALSE(managed->isShared());
    EXPECT_FALSE(managed->isLaunchFailed());
    EXPECT_FALSE(managed->isAutoResolvingClass());
    EXPECT_FALSE(managed->isImportingSubstance());
    EXPECT_FALSE(managed->isCustomLookAndFeel());
    EXPECT_EQ(managed->getJvmLibraryPath(), "");
    EXPECT_EQ(managed->getArgumentLine(), "");
    EXPECT_TRUE(managed->getPassThroughArguments().empty());
    EXPECT_EQ(managed->getExitValue(), 1);
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, SwitchesSetFlagsAndStayAwayFromTheJavaProgram) {
    auto managed = make({"program", "a", "-Xpolicy", "b", "-Xnochrome", "-Xgemini"});
    EXPECT_TRUE(managed->isSecured());
    EXPECT_FALSE(managed->isChrome());
    EXPECT_TRUE(managed->isGemini());
    EXPECT_FALSE(managed->isNativeLookAndFeel());
    EXPECT_EQ(managed->getArgumentLine(), "a b ");
    EXPECT_EQ(managed->getPassThroughArguments(), (std::vector<std::string>{"a", "b"}));
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, LaterSwitchesOverrideEarlierOnes) {
    auto managed = make(
        {"program", "-Xgemini", "-Xnative", "-Xpolicy", "-Xinsecure", "-Xnochrome", "-Xchrome"});
    EXPECT_TRUE(managed->isNativeLookAndFeel());
    EXPECT_TRUE(managed->isGemini());
    EXPECT_FALSE(managed->isSecured());
    EXPECT_TRUE(managed->isChrome());
    EXPECT_TRUE(managed->getPassThroughArguments().empty());
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, GraphiteLeavesTheGraphiteFlagAlone) {
    auto managed = make({"program", "-Xgraphite"});
    EXPECT_FALSE(managed->isGraphite());
    EXPECT_FALSE(managed->isNativeLookAndFeel());
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, LookAndFeelSwitchTakesTheRestOfTheArgument) {
    auto managed = make({"program", "-Xlaf=javax.swing.plaf.metal.MetalLookAndFeel"});
    EXPECT_TRUE(managed->isCustomLookAndFeel());
    EXPECT_FALSE(managed->isNativeLookAndFeel());
    EXPECT_EQ(managed->getLookAndFeelClass(), "javax.swing.plaf.metal.MetalLookAndFeel");
    capture([&] { managed.reset(); });

    auto empty = make({"program", "-Xlaf="});
    EXPECT_TRUE(empty->isCustomLookAndFeel());
    EXPECT_EQ(empty->getLookAndFeelClass(), "");
    capture([&] { empty.reset(); });
}

TEST_F(ManagedTest, NearMissesAreOrdinaryArguments) {
    auto managed = make(
        {"-Xnative", "-Xlaf", "-xnative", "-Xpolicy ", "My File", "", mirobanth::test::WORLD_TEXT});
    EXPECT_TRUE(managed->isNativeLookAndFeel());
    EXPECT_FALSE(managed->isSecured());
    EXPECT_FALSE(managed->isCustomLookAndFeel());
    EXPECT_EQ(managed->getPassThroughArguments(),
              (std::vector<std::string>{"-Xlaf", "-xnative", "-Xpolicy ", "My File", "",
                                        mirobanth::test::WORLD_TEXT}));
    EXPECT_EQ(managed->getArgumentLine(),
              "-Xlaf -xnative -Xpolicy  My File  " + mirobanth::test::WORLD_TEXT + " ");
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, OnlyTestIsInTheArgumentSet) {
    auto managed = make({"program", "-Xnative"});
    EXPECT_TRUE(managed->isArgumentSet("test"));
    EXPECT_FALSE(managed->isArgumentSet("native"));
    EXPECT_FALSE(managed->isArgumentSet("Test"));
    managed->setArgumentSet("native");
    EXPECT_FALSE(managed->isArgumentSet("native"));
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, AFakeFirstArgumentIsAnnouncedAndOtherwiseIgnored) {
    auto managed = make({"FakeFirstArgument", "x"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: com/mirobanth/tintavel/Tintavel"),
              std::vector<std::string>{"Tintavel: fake first argument"});
    EXPECT_EQ(managed->getPassThroughArguments(), std::vector<std::string>{"x"});
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, NoArgumentsAtAll) {
    std::unique_ptr<Managed> managed;
    output = capture([&] { managed = std::make_unique<Managed>("Hybrimain", 0, nullptr); });
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/hybrimain/Hybrimain");
    EXPECT_EQ(output.out.find("Argument"), std::string::npos);
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, NullArgumentVectorOrEntryReadsAsNothing) {
    std::unique_ptr<Managed> managed;
    capture([&] { managed = std::make_unique<Managed>("Tintavel", 3, nullptr); });
    EXPECT_TRUE(managed->getPassThroughArguments().empty());

    char program[] = "prog";
    char text[] = "x";
    char* argv[] = {program, nullptr, text, nullptr};
    capture([&] { managed = std::make_unique<Managed>("Tintavel", 3, argv); });
    EXPECT_EQ(managed->getPassThroughArguments(), (std::vector<std::string>{"", "x"}));
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, SettersRaiseTheirPropertyEventEvenWithoutAChange) {
    auto managed = make({"program"});
    auto unchanged = capture([&] {
        managed->setChrome(true);
        managed->setNativeLookAndFeel(true);
        managed->setGraphite(false);
        managed->setGemini(false);
        managed->setSecured(false);
        managed->setShared(false);
    });
    EXPECT_EQ(unchanged.err,
              "Tintavel: chrome: value has not changed\n"
              "Tintavel: nativeLookAndFeel: value has not changed\n"
              "Tintavel: graphite: value has not changed\n"
              "Tintavel: gemini: value has not changed\n"
              "Tintavel: secured: value has not changed\n"
              "Tintavel: shared: value has not changed\n");

    auto changed = capture([&] {
        managed->setChrome(false);
        managed->setGraphite(true);
        managed->setShared(true);
        managed->setAutoResolvingClass(true);
        managed->setImportingSubstance(true);
    });
    EXPECT_EQ(changed.err, "");
    EXPECT_FALSE(managed->isChrome());
    EXPECT_TRUE(managed->isGraphite());
    EXPECT_TRUE(managed->isShared());
    EXPECT_TRUE(managed->isAutoResolvingClass());
    EXPECT_TRUE(managed->isImportingSubstance());
    capture([&] { managed.reset(); });
}

TEST_F(ManagedTest, DestructionAnnouncesItselfOnceForEachLayer) {
    auto managed = make({"program"});
    auto output = capture([&] { managed.reset(); });
    EXPECT_EQ(output.out, "Tintavel: <FINALIZE>\nTintavel: <FINALIZE>\n");
}

TEST_F(ManagedTest, CopiesCarryTheFlagsAndArguments) {
    auto original = make({"program", "-Xgemini", "My File"});
    auto copy = std::make_unique<Managed>(*original);
    EXPECT_TRUE(copy->isGemini());
    EXPECT_EQ(copy->getPassThroughArguments(), std::vector<std::string>{"My File"});
    auto other = make("Snaprel", {"program"});
    *other = *original;
    EXPECT_EQ(other->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_EQ(other->getArgumentLine(), "My File ");
    EXPECT_FALSE(other->isNativeLookAndFeel());
    capture([&] {
        original.reset();
        copy.reset();
        other.reset();
    });
}

TEST_F(ManagedTest, ToStringUsesTheStreamDefaults) {
    EXPECT_STREQ(Managed::toString(3.0), "3");
    EXPECT_STREQ(Managed::toString(0.1), "0.1");
    EXPECT_STREQ(Managed::toString(1234567.0), "1.23457e+06");
}

}  // namespace
