// Creating the VM against the stub VM library: the exact option record, the
// search for the library and every way loading it can fail.
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"
#include "SystemFacts.h"

namespace mirobanth::test { namespace {

using managed::Managed;

// The in-process launches find their product files beside the managed
// library, which the build puts beside the test programs.
const std::string PRODUCT = binaryDirectory();
const std::string CLASS_PATH = classPathIn(PRODUCT, {"mirobanth-runtime.jar", "tintavel.jar"});
const std::string LIBRARY_PATH = libraryPathIn(PRODUCT);
const std::string NO_VM = noVMError();

class VMCreationTest : public ::testing::Test {
protected:
    // A Managed named Tintavel from the command line, launched with a class
    // the stub knows; returns what the launch wrote.
    CapturedOutput launch(Lines texts) {
        make(std::move(texts));
        return capture([&] { managed->launch("com/example/Main"); });
    }
    void make(Lines texts) {
        CommandLine arguments(std::move(texts));
        capture([&] {
            managed = std::make_unique<Managed>("Tintavel", arguments.argc(), arguments.argv());
        });
    }
    void TearDown() override {
        capture([&] { managed.reset(); });
    }

    // A Java home holding the stub VM at the layout (which starts with "/").
    std::string javaHomeWithLibraryAt(const std::string& relativePath) {
        std::string home = environment.folder().path() + "/jdk";
        std::filesystem::create_directories(
            std::filesystem::path(home + relativePath).parent_path());
        std::filesystem::copy_file(stubVMPath(), home + relativePath);
        return home;
    }

    StubVMEnvironment environment;
    std::unique_ptr<Managed> managed;
};

TEST_F(VMCreationTest, DefaultFlagsGiveTheEightOptions) {
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(environment.record().front(),
              "JNI_CreateJavaVM version=0x00010004 options=8 ignoreUnrecognized=0");
    EXPECT_EQ(environment.options(),
              defaultOptions(CLASS_PATH, LIBRARY_PATH, facts::nativeLookAndFeel()));
    EXPECT_EQ(lines(output.out), concatenated({hookupLines(CLASS_PATH, LIBRARY_PATH),
                                               {"Tintavel: MIROBANTH_JVM override in effect"},
                                               vmLibraryLines(stubVMPath()),
                                               {"Tintavel: com/example/Main"}}));
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(managed->getJvmLibraryPath(), stubVMPath());
}

// The switches and variables that change the options reach the VM; the
// options' texts themselves are the option builder's.
struct SwitchCase {
    const char* name;
    Lines arguments;
    std::vector<std::pair<std::string, std::string>> variables;
    std::vector<std::pair<int, std::string>> changed;  // over the default options
};

class SwitchesReachTheVM : public VMCreationTest,
                           public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(SwitchesReachTheVM, AsTheirOptions) {
    for (const auto& [name, value] : GetParam().variables) environment.set(name, value);
    const Lines arguments = concatenated({{"program"}, GetParam().arguments});
    CapturedOutput output = launch(arguments);
    Lines expected = defaultOptions(CLASS_PATH, LIBRARY_PATH, facts::nativeLookAndFeel());
    for (const auto& [index, text] : GetParam().changed) expected[index] = text;
    EXPECT_EQ(environment.options(), expected);
    Lines hookup = hookupLines(expected[1], expected[2]);
    if (expected[6] == "-Djava.security.manager") hookup[3] = "Tintavel: Using a security policy";
    Lines printed = lines(output.out);
    printed.resize(4);
    EXPECT_EQ(printed, hookup);
    // Only a class named on the command line is kept as the whole option.
    const bool named = arguments.back().rfind("-Xlaf=", 0) == 0;
    EXPECT_EQ(managed->getLookAndFeelClass(), named ? expected[4] : "");
}

const std::string LAF = "-Dswing.defaultlaf=";
const std::string CLASS_PATH_WITH_SUBSTANCE = classPathIn(PRODUCT, TINTAVEL_JARS);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, SwitchesReachTheVM, ::testing::Values(
    SwitchCase{"GeminiWithoutChrome", {"-Xgemini", "-Xnochrome"}, {},
               {{1, CLASS_PATH_WITH_SUBSTANCE}, {5, "-Dmirobanth.chrome=false"},
                {4, LAF + "org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel"}}},
    SwitchCase{"ADisplayMakesGtkTheNativeLookAndFeel", {}, {{"WAYLAND_DISPLAY", "wayland-0"}},
               {{4, LAF + facts::nativeLookAndFeelWithDisplay()}}},
    SwitchCase{"CustomLookAndFeelBecomesTheWholeOption",
               {"-Xgemini", "-Xlaf=javax.swing.plaf.metal.MetalLookAndFeel"}, {},
               {{1, CLASS_PATH_WITH_SUBSTANCE}, {5, "-Dmirobanth.chrome=true"},
                {4, LAF + "javax.swing.plaf.metal.MetalLookAndFeel"}}},
    SwitchCase{"EmptyLookAndFeelClassIsPassedEmpty", {"-Xlaf="}, {},
               {{1, CLASS_PATH_WITH_SUBSTANCE}, {4, LAF}, {5, "-Dmirobanth.chrome=true"}}},
    SwitchCase{"PolicySwitchTurnsTheSecurityManagerOn", {"-Xpolicy"}, {},
               {{6, "-Djava.security.manager"},
                {7, "-Djava.security.policy=" + PRODUCT + facts::directorySeparator() +
                        "system/VM.policy"}}},
    SwitchCase{"EnvironmentReplacesClassPathAndLibraryPath", {},
               {{"MIROBANTH_CLASSPATH", "-Djava.class.path=a.jar;b.jar"},
                {"MIROBANTH_LIBRARYPATH", "-Djava.library.path=/opt/native"}},
               {{1, "-Djava.class.path=a.jar;b.jar"}, {2, "-Djava.library.path=/opt/native"}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The class path variable set empty counts as not set, or it would be the
// one refused: the library path holds no whole option.
TEST_F(VMCreationTest, AnOverrideThatIsNoWholeOptionIsRefusedBeforeAnyVM) {
    environment.set("MIROBANTH_CLASSPATH", "");
    environment.set("MIROBANTH_LIBRARYPATH", "/opt/native");
    CapturedOutput output = launch({"program"});
    const std::string problem =
        "MIROBANTH_LIBRARYPATH must hold a whole option beginning with "
        "\"-Djava.library.path=\", not \"/opt/native\"";
    EXPECT_EQ(output.err, "Tintavel: " + problem + "\n" + facts::alertTrace("Tintavel", problem) +
                              noVMWarning());
    EXPECT_EQ(environment.record(), Lines{});
}

TEST_F(VMCreationTest, JavaHomeFindsTheModularLayoutAndWinsOverTheOverride) {
    std::string home = javaHomeWithLibraryAt(facts::javaHomeLayouts().front());
    const std::string vm = home + facts::javaHomeLayouts().front();
    environment.set("JAVA_HOME", home);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No security policy used"),
              concatenated({{"Tintavel: JAVA_HOME is used as JRE base path", "Tintavel: " + vm},
                            vmLibraryLines(vm),
                            {"Tintavel: com/example/Main"}}));
    EXPECT_EQ(environment.options().size(), 8u);
}

// Quotes, as a Windows command line puts them, are no part of any layout.
TEST_F(VMCreationTest, AQuotedJavaHomeIsSearchedWithoutItsQuotes) {
    std::string home = javaHomeWithLibraryAt(facts::javaHomeLayouts().back());
    environment.set("JAVA_HOME", "\"" + home + "\"");
    launch({"program"});
    EXPECT_EQ(managed->getJvmLibraryPath(), home + facts::javaHomeLayouts().back());
}

TEST_F(VMCreationTest, EmptyJavaHomeNamesTheFirstCandidateAndFails) {
    std::string home = environment.folder().path() + "/empty-jdk";
    environment.set("JAVA_HOME", home);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No security policy used"),
              (Lines{"Tintavel: JAVA_HOME is used as JRE base path",
                     "Tintavel: " + home + facts::javaHomeLayouts().front(),
                     "Tintavel: No shared library found"}));
    EXPECT_EQ(output.err, missingLibraryError(home + facts::javaHomeLayouts().front()));
    EXPECT_EQ(managed->getExitValue(), 1);
}

// An empty value names no installation: the next source decides.
TEST_F(VMCreationTest, JavaHomeSetToNothingCountsAsNotSet) {
    environment.set("JAVA_HOME", "");
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No security policy used").at(0),
              "Tintavel: MIROBANTH_JVM override in effect");
    EXPECT_EQ(managed->getJvmLibraryPath(), stubVMPath());
}

TEST_F(VMCreationTest, QuotesAroundTheLibraryPathAreDropped) {
    environment.set("MIROBANTH_JVM", "\"" + stubVMPath() + "\"");
    launch({"program"});
    EXPECT_EQ(managed->getJvmLibraryPath(), stubVMPath());
    EXPECT_EQ(environment.options().size(), 8u);
}

TEST_F(VMCreationTest, MissingLibraryFile) {
    std::string missing = environment.folder().path() + "/" + facts::vmLibraryFileName();
    environment.set("MIROBANTH_JVM", missing);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: MIROBANTH_JVM override in effect"),
              Lines{"Tintavel: No shared library found"});
    EXPECT_EQ(output.err, missingLibraryError(missing));
}

TEST_F(VMCreationTest, FileThatIsNotALibrary) {
    std::string text = environment.folder().write(facts::vmLibraryFileName(), "plain text\n");
    environment.set("MIROBANTH_JVM", text);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: MIROBANTH_JVM override in effect"),
              (Lines{"Tintavel: Shared library found", "Tintavel: " + text,
                     "Tintavel: No shared library found"}));
    EXPECT_EQ(output.err, "Tintavel: Cannot load " + text + ": " + facts::notALibraryReason(text) +
                              "\n" + NO_VM);
}

TEST_F(VMCreationTest, LibraryWithoutTheVMEntryPoint) {
    environment.set("MIROBANTH_JVM", noEntryLibraryPath());
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: Shared library loaded"),
              Lines{"Tintavel: Shared library does not contain method JNI_CreateJavaVM"});
    EXPECT_EQ(output.err, NO_VM);
}

TEST_F(VMCreationTest, VMThatRefusesToStart) {
    environment.set("MIROBANTH_STUBVM_REFUSE", "1");
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: Shared library loaded"), Lines{vmLinkedLine()});
    EXPECT_EQ(output.err, "Tintavel: Call to Java VM failed\n" + NO_VM);
    EXPECT_EQ(environment.calls(), Lines{});
    EXPECT_EQ(managed->getExitValue(), 1);
}

TEST_F(VMCreationTest, LaunchWithoutAClassNameReportsItsOwnWarning) {
    environment.set("MIROBANTH_STUBVM_REFUSE", "1");
    make({"program"});
    CapturedOutput output = capture([&] { managed->launch(); });
    EXPECT_EQ(output.err,
              "Tintavel: Call to Java VM failed\n"
              "Tintavel: Unable to initialize a virtual machine (launch1)\n" +
                  facts::alertTrace("Tintavel", "Java VM failed to initialize"));
}

TEST_F(VMCreationTest, FailedLaunchWithStringKeepsTheMainClass) {
    environment.set("MIROBANTH_STUBVM_REFUSE", "1");
    make({"program"});
    CapturedOutput output = capture([&] { managed->launchWithString("com/example/Other"); });
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_NE(output.err.find("Tintavel: Unable to initialize a virtual machine (launch2)\n"),
              std::string::npos);
}

}}  // namespace mirobanth::test
