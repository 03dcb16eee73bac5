// The eight VM options as texts, for both systems' spellings.
#include <gtest/gtest.h>

#include "ManagedTestSupport.h"
#include "VMOptions.h"

using namespace mirobanth::managed;
using mirobanth::test::defaultOptions;

namespace {

const char* const LINUX_FOLDER = "/opt/tintavel";
const char* const WINDOWS_FOLDER = "C:\\Program Files\\Tintavel";

VMOptionSettings tintavelDefaults(const char* productFolder = LINUX_FOLDER) {
    VMOptionSettings settings;
    settings.productFolder = productFolder;
    settings.applicationJar = "tintavel.jar";
    return settings;
}

std::vector<std::string> listed(const VMOptionTexts& options) {
    return {options.begin(), options.end()};
}

VMOptionTexts linuxOptions(const VMOptionSettings& settings) {
    return buildVMOptions(settings, linuxJavaLayout(true));
}

TEST(VMOptionsTest, DefaultFlagsOnWindows) {
    std::vector<std::string> expected = defaultOptions(
        "-Djava.class.path=C:\\Program Files\\Tintavel;"
        "C:\\Program Files\\Tintavel\\mirobanth-runtime.jar;"
        "C:\\Program Files\\Tintavel\\tintavel.jar",
        "-Djava.library.path=C:\\Program Files\\Tintavel;C:\\Program Files\\Tintavel\\system/",
        "com.sun.java.swing.plaf.windows.WindowsLookAndFeel");
    EXPECT_EQ(listed(buildVMOptions(tintavelDefaults(WINDOWS_FOLDER), windowsJavaLayout())),
              expected);
}

TEST(VMOptionsTest, DefaultFlagsOnLinuxUseColonsAndTheGtkLookAndFeel) {
    std::vector<std::string> expected = defaultOptions(
        "-Djava.class.path=/opt/tintavel:/opt/tintavel/mirobanth-runtime.jar:"
        "/opt/tintavel/tintavel.jar",
        "-Djava.library.path=/opt/tintavel:/opt/tintavel/system/",
        "com.sun.java.swing.plaf.gtk.GTKLookAndFeel");
    EXPECT_EQ(listed(linuxOptions(tintavelDefaults())), expected);
}

TEST(VMOptionsTest, ImportingSubstanceAddsItsJarEvenWithTheNativeLookAndFeel) {
    VMOptionSettings settings = tintavelDefaults();
    settings.importingSubstance = true;
    EXPECT_EQ(classPathOption(settings, linuxJavaLayout(true)),
              "-Djava.class.path=/opt/tintavel:/opt/tintavel/mirobanth-runtime.jar:"
              "/opt/tintavel/ext/substance.jar:/opt/tintavel/tintavel.jar");
    EXPECT_EQ(linuxOptions(settings)[4],
              "-Dswing.defaultlaf=com.sun.java.swing.plaf.gtk.GTKLookAndFeel");
}

TEST(VMOptionsTest, GeminiWithoutChromeUsesTheSkinAndSaysSo) {
    VMOptionSettings settings = tintavelDefaults();
    settings.nativeLookAndFeel = false;
    settings.gemini = true;
    settings.chrome = false;
    VMOptionTexts options = linuxOptions(settings);
    EXPECT_EQ(options[1],
              "-Djava.class.path=/opt/tintavel:/opt/tintavel/mirobanth-runtime.jar:"
              "/opt/tintavel/ext/substance.jar:/opt/tintavel/tintavel.jar");
    EXPECT_EQ(options[4],
              "-Dswing.defaultlaf=org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel");
    EXPECT_EQ(options[5], "-Dmirobanth.chrome=false");
}

TEST(VMOptionsTest, GraphiteIsTheSkinWhenNoOtherIsNamed) {
    VMOptionSettings settings = tintavelDefaults();
    settings.nativeLookAndFeel = false;
    VMOptionTexts options = linuxOptions(settings);
    EXPECT_EQ(options[4],
              "-Dswing.defaultlaf=org.jvnet.substance.skin.SubstanceRavenGraphiteLookAndFeel");
    EXPECT_EQ(options[5], "-Dmirobanth.chrome=true");
}

TEST(VMOptionsTest, CustomLookAndFeelWinsOverGeminiAndMayBeEmpty) {
    VMOptionSettings settings = tintavelDefaults();
    settings.nativeLookAndFeel = false;
    settings.gemini = true;
    settings.customLookAndFeel = true;
    settings.lookAndFeelClass = "javax.swing.plaf.metal.MetalLookAndFeel";
    EXPECT_EQ(linuxOptions(settings)[4],
              "-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel");
    settings.lookAndFeelClass = "";
    EXPECT_EQ(linuxOptions(settings)[4], "-Dswing.defaultlaf=");
}

TEST(VMOptionsTest, NativeLookAndFeelWinsOverAnEarlierCustomOne) {
    VMOptionSettings settings = tintavelDefaults();
    settings.customLookAndFeel = true;
    settings.lookAndFeelClass = "some.Laf";
    VMOptionTexts options = buildVMOptions(settings, windowsJavaLayout());
    EXPECT_EQ(options[4], "-Dswing.defaultlaf=com.sun.java.swing.plaf.windows.WindowsLookAndFeel");
    EXPECT_EQ(options[5], "-Dmirobanth.ignore=just");
}

TEST(VMOptionsTest, PolicyFillsTheLastTwoSlots) {
    VMOptionSettings settings = tintavelDefaults();
    settings.secured = true;
    VMOptionTexts options = linuxOptions(settings);
    EXPECT_EQ(options[6], "-Djava.security.manager");
    EXPECT_EQ(options[7], "-Djava.security.policy=/opt/tintavel/system/VM.policy");
}

TEST(VMOptionsTest, WithoutADisplayTheLinuxNativeLookAndFeelIsMetal) {
    EXPECT_EQ(buildVMOptions(tintavelDefaults(), linuxJavaLayout(false))[4],
              "-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel");
}

TEST(VMOptionsTest, EnvironmentOverridesReplaceTheWholeOptionUnchanged) {
    VMOptionSettings settings = tintavelDefaults();
    settings.classPathOverride = "a.jar;b.jar";
    settings.libraryPathOverride = "-Djava.library.path=/opt/native";
    VMOptionTexts options = linuxOptions(settings);
    EXPECT_EQ(options[1], "a.jar;b.jar");
    EXPECT_EQ(options[2], "-Djava.library.path=/opt/native");
    settings.classPathOverride = "";
    EXPECT_EQ(linuxOptions(settings)[1], "");
    EXPECT_EQ(overrideProblem(settings),
              "MIROBANTH_CLASSPATH must hold a whole option beginning "
              "with \"-Djava.class.path=\", not \"\"");
}

}  // namespace
