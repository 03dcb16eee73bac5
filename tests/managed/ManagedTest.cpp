// The managed object without a VM: construction, launcher switches, flags and
// their property events, the argument set and the shared instance.
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

using managed::Managed;

// Every object a test makes is destroyed, out of sight, when it ends.
class ManagedTest : public ::testing::Test {
protected:
    Managed* make(const std::string& name, int argc, char** argv) {
        output = capture([&] { made.push_back(std::make_unique<Managed>(name, argc, argv)); });
        return made.back().get();
    }
    Managed* make(Lines texts, const std::string& name = "Tintavel") {
        CommandLine arguments(std::move(texts));
        return make(name, arguments.argc(), arguments.argv());
    }
    void TearDown() override {
        capture([&] { made.clear(); });
    }

    StubVMEnvironment environment;
    CapturedOutput output;
    std::vector<std::unique_ptr<Managed>> made;
};

TEST_F(ManagedTest, ConstructionDerivesTheJavaNamesAndSaysSo) {
    Managed* managed = make({"program"});
    EXPECT_EQ(managed->getName(), "Tintavel");
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_EQ(managed->getJarName(), "tintavel.jar");
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No delegate used"),
              (Lines{"Tintavel: Auto resolving class names are turned off", "Tintavel: Tintavel",
                     "Tintavel: tintavel.jar", "Tintavel: com/mirobanth/tintavel/Tintavel"}));
    EXPECT_EQ(output.err, "");
}

TEST_F(ManagedTest, WithoutVerboseTheNamesAreNotListed) {
    core::Console::enableVerbose(false);
    make({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No delegate used"),
              Lines{"Tintavel: Auto resolving class names are turned off"});
}

// The flags a test reads, and their values before any switch.
const std::vector<std::tuple<const char*, bool (Managed::*)() const, bool>> FLAGS = {
    {"nativeLookAndFeel", &Managed::isNativeLookAndFeel, true},
    {"chrome", &Managed::isChrome, true},
    {"JVMAvailable", &Managed::isJVMAvailable, true},
    {"graphite", &Managed::isGraphite, false},
    {"gemini", &Managed::isGemini, false},
    {"secured", &Managed::isSecured, false},
    {"shared", &Managed::isShared, false},
    {"launchFailed", &Managed::isLaunchFailed, false},
    {"autoResolvingClass", &Managed::isAutoResolvingClass, false},
    {"importingSubstance", &Managed::isImportingSubstance, false},
    {"customLookAndFeel", &Managed::isCustomLookAndFeel, false}};

struct SwitchCase {
    const char* name;
    Lines arguments;
    std::map<std::string, bool> changed;  // the flags a row's switches change
    Lines passedOn;
    std::string argumentLine, lookAndFeelClass;
};

class SwitchTest : public ManagedTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchTest, SetFlagsAndStayAwayFromTheJavaProgram) {
    const SwitchCase& row = GetParam();
    Managed* managed = make(row.arguments);
    for (const auto& [name, flag, before] : FLAGS) {
        auto changed = row.changed.find(name);
        EXPECT_EQ((managed->*flag)(), changed == row.changed.end() ? before : changed->second)
            << name;
    }
    EXPECT_EQ(managed->getPassThroughArguments(), row.passedOn);
    EXPECT_EQ(managed->getArgumentLine(), row.argumentLine);
    EXPECT_EQ(managed->getLookAndFeelClass(), row.lookAndFeelClass);
    EXPECT_EQ(managed->getJvmLibraryPath(), "");
    EXPECT_EQ(managed->getExitValue(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, SwitchTest, ::testing::Values(
    SwitchCase{"DefaultsBeforeAnySwitch", {"program"}, {}, {}, "", ""},
    SwitchCase{"SwitchesSetFlagsAndStayAwayFromTheJavaProgram",
               {"program", "a", "-Xpolicy", "b", "-Xnochrome", "-Xgemini"},
               {{"secured", true}, {"chrome", false}, {"gemini", true}, {"nativeLookAndFeel", false}},
               {"a", "b"}, "a b ", ""},
    SwitchCase{"LaterSwitchesOverrideEarlierOnes",
               {"program", "-Xgemini", "-Xnative", "-Xpolicy", "-Xinsecure", "-Xnochrome", "-Xchrome"},
               {{"nativeLookAndFeel", true}, {"gemini", true}, {"secured", false}, {"chrome", true}},
               {}, "", ""},
    SwitchCase{"GraphiteLeavesTheGraphiteFlagAlone", {"program", "-Xgraphite"},
               {{"graphite", false}, {"nativeLookAndFeel", false}}, {}, "", ""},
    SwitchCase{"LookAndFeelSwitchTakesTheRestOfTheArgument",
               {"program", "-Xlaf=javax.swing.plaf.metal.MetalLookAndFeel"},
               {{"customLookAndFeel", true}, {"nativeLookAndFeel", false}}, {}, "",
               "javax.swing.plaf.metal.MetalLookAndFeel"},
    SwitchCase{"AnEmptyLookAndFeelClassIsOne", {"program", "-Xlaf="},
               {{"customLookAndFeel", true}, {"nativeLookAndFeel", false}}, {}, "", ""},
    // The first argument names the program, whatever it says.
    SwitchCase{"NearMissesAreOrdinaryArguments",
               {"-Xnative", "-Xlaf", "-xnative", "-Xpolicy ", "My File", "", WORLD_TEXT},
               {{"nativeLookAndFeel", true}, {"secured", false}, {"customLookAndFeel", false}},
               {"-Xlaf", "-xnative", "-Xpolicy ", "My File", "", WORLD_TEXT},
               "-Xlaf -xnative -Xpolicy  My File  " + WORLD_TEXT + " ", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ManagedTest, OnlyTestIsInTheArgumentSet) {
    Managed* managed = make({"program", "-Xnative"});
    EXPECT_TRUE(managed->isArgumentSet("test"));
    EXPECT_FALSE(managed->isArgumentSet("native"));
    EXPECT_FALSE(managed->isArgumentSet("Test"));
    managed->setArgumentSet("native");
    EXPECT_FALSE(managed->isArgumentSet("native"));
}

TEST_F(ManagedTest, AFakeFirstArgumentIsAnnouncedAndOtherwiseIgnored) {
    Managed* managed = make({"FakeFirstArgument", "x"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: com/mirobanth/tintavel/Tintavel"),
              Lines{"Tintavel: fake first argument"});
    EXPECT_EQ(managed->getPassThroughArguments(), Lines{"x"});
}

TEST_F(ManagedTest, NoArgumentsAtAll) {
    Managed* managed = make("Hybrimain", 0, nullptr);
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/hybrimain/Hybrimain");
    EXPECT_EQ(output.out.find("Argument"), std::string::npos);
}

TEST_F(ManagedTest, NullArgumentVectorOrEntryReadsAsNothing) {
    EXPECT_TRUE(make("Tintavel", 3, nullptr)->getPassThroughArguments().empty());

    char program[] = "prog";
    char text[] = "x";
    char* argv[] = {program, nullptr, text, nullptr};
    EXPECT_EQ(make("Tintavel", 3, argv)->getPassThroughArguments(), (Lines{"", "x"}));
}

TEST_F(ManagedTest, SettersRaiseTheirPropertyEventEvenWithoutAChange) {
    Managed* managed = make({"program"});
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
}

TEST_F(ManagedTest, DestructionAnnouncesItselfOnceForEachLayer) {
    make({"program"});
    auto output = capture([&] { made.clear(); });
    EXPECT_EQ(output.out, "Tintavel: <FINALIZE>\nTintavel: <FINALIZE>\n");
}

TEST_F(ManagedTest, CopiesCarryTheFlagsAndArguments) {
    Managed* original = make({"program", "-Xgemini", "My File"});
    Managed* copy = made.emplace_back(std::make_unique<Managed>(*original)).get();
    EXPECT_TRUE(copy->isGemini());
    EXPECT_EQ(copy->getPassThroughArguments(), Lines{"My File"});
    Managed* other = make({"program"}, "Snaprel");
    *other = *original;
    EXPECT_EQ(other->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_EQ(other->getArgumentLine(), "My File ");
    EXPECT_FALSE(other->isNativeLookAndFeel());
}

TEST_F(ManagedTest, ToStringUsesTheStreamDefaults) {
    EXPECT_STREQ(Managed::toString(3.0), "3");
    EXPECT_STREQ(Managed::toString(0.1), "0.1");
    EXPECT_STREQ(Managed::toString(1234567.0), "1.23457e+06");
}

}}  // namespace mirobanth::test
