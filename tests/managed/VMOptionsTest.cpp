// The eight VM options as texts, for both systems' spellings: one row for
// each setting that changes them, over the system's defaults.
#include <gtest/gtest.h>

#include <functional>

#include "ManagedTestSupport.h"
#include "VMOptions.h"

namespace mirobanth::test { namespace {

using managed::VMOptionSettings;

enum class System { WINDOWS, LINUX, LINUX_WITHOUT_DISPLAY };

struct OptionCase {
    const char* name;
    System system;
    std::function<void(VMOptionSettings&)> change;
    std::vector<std::pair<int, std::string>> changed;  // over the defaults
    std::string problem = "";
};

class VMOptionsTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(VMOptionsTest, SettingsGiveTheirTexts) {
    const OptionCase& row = GetParam();
    const bool windows = row.system == System::WINDOWS;
    VMOptionSettings settings;
    settings.productFolder = windows ? "C:\\Program Files\\Tintavel" : "/opt/tintavel";
    settings.applicationJar = "tintavel.jar";
    row.change(settings);
    Lines expected = windows ? defaultOptions(
                                   "-Djava.class.path=C:\\Program Files\\Tintavel;"
                                   "C:\\Program Files\\Tintavel\\mirobanth-runtime.jar;"
                                   "C:\\Program Files\\Tintavel\\tintavel.jar",
                                   "-Djava.library.path=C:\\Program Files\\Tintavel;"
                                   "C:\\Program Files\\Tintavel\\system/",
                                   "com.sun.java.swing.plaf.windows.WindowsLookAndFeel")
                             : defaultOptions(
                                   "-Djava.class.path=/opt/tintavel:/opt/tintavel/"
                                   "mirobanth-runtime.jar:/opt/tintavel/tintavel.jar",
                                   "-Djava.library.path=/opt/tintavel:/opt/tintavel/system/",
                                   "com.sun.java.swing.plaf.gtk.GTKLookAndFeel");
    for (const auto& [index, text] : row.changed) expected[index] = text;
    auto platform = windows ? managed::windowsJavaLayout()
                            : managed::linuxJavaLayout(row.system == System::LINUX);
    managed::VMOptionTexts options = managed::buildVMOptions(settings, platform);
    EXPECT_EQ(Lines(options.begin(), options.end()), expected);
    EXPECT_EQ(managed::classPathOption(settings, platform), options[1]);
    EXPECT_EQ(managed::overrideProblem(settings), row.problem);
}

const std::string SUBSTANCE =
    "-Djava.class.path=/opt/tintavel:/opt/tintavel/mirobanth-runtime.jar:"
    "/opt/tintavel/ext/substance.jar:/opt/tintavel/tintavel.jar";
const std::string LAF = "-Dswing.defaultlaf=", METAL = "javax.swing.plaf.metal.MetalLookAndFeel";
const std::string CLASS_PATH_PROBLEM =
    "MIROBANTH_CLASSPATH must hold a whole option beginning with \"-Djava.class.path=\", not ";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, VMOptionsTest, ::testing::Values(
    OptionCase{"DefaultFlagsOnWindows", System::WINDOWS, [](auto&) {}, {}},
    OptionCase{"DefaultFlagsOnLinuxUseColonsAndTheGtkLookAndFeel", System::LINUX, [](auto&) {}, {}},
    OptionCase{"ImportingSubstanceAddsItsJarEvenWithTheNativeLookAndFeel", System::LINUX,
               [](auto& s) { s.importingSubstance = true; },
               {{1, SUBSTANCE}, {4, LAF + "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"}}},
    OptionCase{"GeminiWithoutChromeUsesTheSkinAndSaysSo", System::LINUX,
               [](auto& s) { s.nativeLookAndFeel = false, s.gemini = true, s.chrome = false; },
               {{1, SUBSTANCE}, {5, "-Dmirobanth.chrome=false"},
                {4, LAF + "org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel"}}},
    OptionCase{"GraphiteIsTheSkinWhenNoOtherIsNamed", System::LINUX,
               [](auto& s) { s.nativeLookAndFeel = false; },
               {{1, SUBSTANCE}, {5, "-Dmirobanth.chrome=true"},
                {4, LAF + "org.jvnet.substance.skin.SubstanceRavenGraphiteLookAndFeel"}}},
    OptionCase{"CustomLookAndFeelWinsOverGemini", System::LINUX,
               [](auto& s) { s.nativeLookAndFeel = false, s.gemini = s.customLookAndFeel = true,
                             s.lookAndFeelClass = METAL; },
               {{1, SUBSTANCE}, {4, LAF + METAL}, {5, "-Dmirobanth.chrome=true"}}},
    OptionCase{"CustomLookAndFeelMayBeEmpty", System::LINUX,
               [](auto& s) { s.nativeLookAndFeel = false, s.gemini = s.customLookAndFeel = true; },
               {{1, SUBSTANCE}, {4, LAF}, {5, "-Dmirobanth.chrome=true"}}},
    OptionCase{"NativeLookAndFeelWinsOverAnEarlierCustomOne", System::WINDOWS,
               [](auto& s) { s.customLookAndFeel = true, s.lookAndFeelClass = "some.Laf"; },
               {{4, LAF + "com.sun.java.swing.plaf.windows.WindowsLookAndFeel"},
                {5, "-Dmirobanth.ignore=just"}}},
    OptionCase{"PolicyFillsTheLastTwoSlots", System::LINUX, [](auto& s) { s.secured = true; },
               {{6, "-Djava.security.manager"},
                {7, "-Djava.security.policy=/opt/tintavel/system/VM.policy"}}},
    OptionCase{"WithoutADisplayTheLinuxNativeLookAndFeelIsMetal", System::LINUX_WITHOUT_DISPLAY,
               [](auto&) {}, {{4, LAF + METAL}}},
    OptionCase{"EnvironmentOverridesReplaceTheWholeOptionUnchanged", System::LINUX,
               [](auto& s) { s.classPathOverride = "a.jar;b.jar",
                             s.libraryPathOverride = "-Djava.library.path=/opt/native"; },
               {{1, "a.jar;b.jar"}, {2, "-Djava.library.path=/opt/native"}},
               CLASS_PATH_PROBLEM + "\"a.jar;b.jar\""},
    OptionCase{"AnEmptyOverrideIsPassedEmptyAndRefused", System::LINUX,
               [](auto& s) { s.classPathOverride = "",
                             s.libraryPathOverride = "-Djava.library.path=/opt/native"; },
               {{1, ""}, {2, "-Djava.library.path=/opt/native"}}, CLASS_PATH_PROBLEM + "\"\""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}}  // namespace mirobanth::test
