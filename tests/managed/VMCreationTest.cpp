// Creating the VM against the stub VM library: the exact option record, the
// search for the library and every way loading it can fail.
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"
#include "SystemFacts.h"

using mirobanth::managed::Managed;
using mirobanth::test::binaryDirectory;
using mirobanth::test::capture;
using mirobanth::test::CapturedOutput;
using mirobanth::test::CommandLine;
using mirobanth::test::concatenated;
using mirobanth::test::defaultOptions;
using mirobanth::test::hookupLines;
using mirobanth::test::linesAfter;
using mirobanth::test::missingLibraryError;
using mirobanth::test::stubVMPath;
using mirobanth::test::vmLibraryLines;
using mirobanth::test::vmLinkedLine;
using Lines = std::vector<std::string>;

using mirobanth::test::facts::nativeLookAndFeel;
using mirobanth::test::facts::pathList;

using mirobanth::test::facts::alertTrace;
using mirobanth::test::facts::javaHomeLayouts;
using mirobanth::test::facts::notALibraryReason;
using mirobanth::test::facts::vmLibraryFileName;

namespace {

// The in-process launches find their product files beside the managed
// library, which the build puts beside the test programs.
const std::string PRODUCT = binaryDirectory();
const std::string CLASS_PATH =
    mirobanth::test::classPathIn(PRODUCT, {"mirobanth-runtime.jar", "tintavel.jar"});
const std::string LIBRARY_PATH = mirobanth::test::libraryPathIn(PRODUCT);
const std::string NO_VM = mirobanth::test::noVMError();

class VMCreationTest : public ::testing::Test {
protected:
    // A Managed named Tintavel from the command line, launched with a class
    // the stub knows; returns what the launch wrote.
    CapturedOutput launch(std::initializer_list<std::string> texts) {
        CommandLine arguments(texts);
        capture([&] {
            managed = std::make_unique<Managed>("Tintavel", arguments.argc(), arguments.argv());
        });
        return capture([&] { managed->launch("com/example/Main"); });
    }
    void TearDown() override {
        capture([&] { managed.reset(); });
    }

    // A Java home folder holding a copy of the stub as its VM library.
    // A Java home holding the stub VM at the layout (which starts with "/").
    std::string javaHomeWithLibraryAt(const std::string& relativePath) {
        std::string home = environment.folder().path() + "/jdk";
        std::filesystem::create_directories(
            std::filesystem::path(home + relativePath).parent_path());
        std::filesystem::copy_file(stubVMPath(), home + relativePath);
        return home;
    }

    mirobanth::test::StubVMEnvironment environment;
    std::unique_ptr<Managed> managed;
};

TEST_F(VMCreationTest, DefaultFlagsGiveTheEightOptions) {
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(environment.record().front(),
              "JNI_CreateJavaVM version=0x00010004 options=8 ignoreUnrecognized=0");
    EXPECT_EQ(environment.options(), defaultOptions(CLASS_PATH, LIBRARY_PATH, nativeLookAndFeel()));
    EXPECT_EQ(mirobanth::test::lines(output.out),
              concatenated({hookupLines(CLASS_PATH, LIBRARY_PATH),
                            {"Tintavel: MIROBANTH_JVM override in effect"},
                            vmLibraryLines(stubVMPath()),
                            {"Tintavel: com/example/Main"}}));
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(managed->getJvmLibraryPath(), stubVMPath());
}

TEST_F(VMCreationTest, GeminiWithoutChrome) {
    launch({"program", "-Xgemini", "-Xnochrome"});
    Lines expected = mirobanth::test::tintavelOptionsIn(
        PRODUCT, "org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel");
    expected[5] = "-Dmirobanth.chrome=false";  // a skin's chrome takes the sixth place
    EXPECT_EQ(environment.options(), expected);
}

TEST_F(VMCreationTest, ADisplayMakesGtkTheNativeLookAndFeel) {
    environment.set("WAYLAND_DISPLAY", "wayland-0");
    launch({"program"});
    EXPECT_EQ(environment.options().at(4),
              "-Dswing.defaultlaf=" + mirobanth::test::facts::nativeLookAndFeelWithDisplay());
}

TEST_F(VMCreationTest, CustomLookAndFeelBecomesTheWholeOption) {
    launch({"program", "-Xgemini", "-Xlaf=javax.swing.plaf.metal.MetalLookAndFeel"});
    Lines options = environment.options();
    ASSERT_EQ(options.size(), 8u);
    EXPECT_EQ(options[4], "-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel");
    EXPECT_EQ(options[5], "-Dmirobanth.chrome=true");
    EXPECT_EQ(managed->getLookAndFeelClass(),
              "-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel");
}

TEST_F(VMCreationTest, EmptyLookAndFeelClassIsPassedEmpty) {
    launch({"program", "-Xlaf="});
    EXPECT_EQ(environment.options().at(4), "-Dswing.defaultlaf=");
}

TEST_F(VMCreationTest, PolicySwitchTurnsTheSecurityManagerOn) {
    CapturedOutput output = launch({"program", "-Xpolicy"});
    Lines expected = defaultOptions(CLASS_PATH, LIBRARY_PATH, nativeLookAndFeel());
    // The security manager and its policy take the last two places.
    expected[6] = "-Djava.security.manager";
    expected[7] = "-Djava.security.policy=" + PRODUCT +
                  mirobanth::test::facts::directorySeparator() + "system/VM.policy";
    EXPECT_EQ(environment.options(), expected);
    EXPECT_EQ(mirobanth::test::lines(output.out).at(3), "Tintavel: Using a security policy");
}

TEST_F(VMCreationTest, EnvironmentReplacesClassPathAndLibraryPath) {
    environment.set("MIROBANTH_CLASSPATH", "-Djava.class.path=a.jar;b.jar");
    environment.set("MIROBANTH_LIBRARYPATH", "-Djava.library.path=/opt/native");
    CapturedOutput output = launch({"program"});
    Lines options = environment.options();
    ASSERT_EQ(options.size(), 8u);
    EXPECT_EQ(options[1], "-Djava.class.path=a.jar;b.jar");
    EXPECT_EQ(options[2], "-Djava.library.path=/opt/native");
    Lines printed = mirobanth::test::lines(output.out);
    EXPECT_EQ(printed.at(1), "Tintavel: -Djava.class.path=a.jar;b.jar");
    EXPECT_EQ(printed.at(2), "Tintavel: -Djava.library.path=/opt/native");
}

// The class path variable set empty counts as not set, or it would be the
// one refused: the library path holds no whole option.
TEST_F(VMCreationTest, AnOverrideThatIsNoWholeOptionIsRefusedBeforeAnyVM) {
    environment.set("MIROBANTH_CLASSPATH", "");
    environment.set("MIROBANTH_LIBRARYPATH", "/opt/native");
    CapturedOutput output = launch({"program"});
    const std::string problem =
        "MIROBANTH_LIBRARYPATH must hold a whole option beginning with "
        "\"-Djava.library.path=\", not \"/opt/native\"";
    EXPECT_EQ(output.err, "Tintavel: " + problem + "\n" + alertTrace("Tintavel", problem) +
                              mirobanth::test::noVMWarning());
    EXPECT_EQ(environment.record(), Lines{});
}

TEST_F(VMCreationTest, JavaHomeFindsTheModularLayoutAndWinsOverTheOverride) {
    std::string home = javaHomeWithLibraryAt(javaHomeLayouts().front());
    const std::string vm = home + javaHomeLayouts().front();
    environment.set("JAVA_HOME", home);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No security policy used"),
              concatenated({{"Tintavel: JAVA_HOME is used as JRE base path", "Tintavel: " + vm},
                            vmLibraryLines(vm),
                            {"Tintavel: com/example/Main"}}));
    EXPECT_EQ(environment.options().size(), 8u);
}

TEST_F(VMCreationTest, JavaHomeFindsTheJdk8Layout) {
    std::string home = javaHomeWithLibraryAt(javaHomeLayouts().at(1));
    environment.set("JAVA_HOME", home);
    launch({"program"});
    EXPECT_EQ(managed->getJvmLibraryPath(), home + javaHomeLayouts().at(1));
    EXPECT_EQ(environment.options().size(), 8u);
}

// Quotes, as a Windows command line puts them, are no part of any layout.
TEST_F(VMCreationTest, AQuotedJavaHomeIsSearchedWithoutItsQuotes) {
    std::string home = javaHomeWithLibraryAt(javaHomeLayouts().back());
    environment.set("JAVA_HOME", "\"" + home + "\"");
    launch({"program"});
    EXPECT_EQ(managed->getJvmLibraryPath(), home + javaHomeLayouts().back());
}

TEST_F(VMCreationTest, EmptyJavaHomeNamesTheFirstCandidateAndFails) {
    std::string home = environment.folder().path() + "/empty-jdk";
    environment.set("JAVA_HOME", home);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: No security policy used"),
              (Lines{
                  "Tintavel: JAVA_HOME is used as JRE base path",
                  "Tintavel: " + home + javaHomeLayouts().front(),
                  "Tintavel: No shared library found",
              }));
    EXPECT_EQ(output.err, missingLibraryError(home + javaHomeLayouts().front()));
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
    std::string missing = environment.folder().path() + "/" + vmLibraryFileName();
    environment.set("MIROBANTH_JVM", missing);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: MIROBANTH_JVM override in effect"),
              Lines{"Tintavel: No shared library found"});
    EXPECT_EQ(output.err, missingLibraryError(missing));
}

TEST_F(VMCreationTest, FileThatIsNotALibrary) {
    std::string text = environment.folder().write(vmLibraryFileName(), "plain text\n");
    environment.set("MIROBANTH_JVM", text);
    CapturedOutput output = launch({"program"});
    EXPECT_EQ(linesAfter(output.out, "Tintavel: MIROBANTH_JVM override in effect"),
              (Lines{"Tintavel: Shared library found", "Tintavel: " + text,
                     "Tintavel: No shared library found"}));
    EXPECT_EQ(output.err,
              "Tintavel: Cannot load " + text + ": " + notALibraryReason(text) + "\n" + NO_VM);
}

TEST_F(VMCreationTest, LibraryWithoutTheVMEntryPoint) {
    environment.set("MIROBANTH_JVM", mirobanth::test::noEntryLibraryPath());
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
    CommandLine arguments({"program"});
    capture([&] {
        managed = std::make_unique<Managed>("Tintavel", arguments.argc(), arguments.argv());
    });
    CapturedOutput output = capture([&] { managed->launch(); });
    EXPECT_EQ(output.err,
              "Tintavel: Call to Java VM failed\n"
              "Tintavel: Unable to initialize a virtual machine (launch1)\n" +
                  alertTrace("Tintavel", "Java VM failed to initialize"));
}

TEST_F(VMCreationTest, FailedLaunchWithStringKeepsTheMainClass) {
    environment.set("MIROBANTH_STUBVM_REFUSE", "1");
    CommandLine arguments({"program"});
    capture([&] {
        managed = std::make_unique<Managed>("Tintavel", arguments.argc(), arguments.argv());
    });
    CapturedOutput output = capture([&] { managed->launchWithString("com/example/Other"); });
    EXPECT_EQ(managed->getMainClass(), "com/mirobanth/tintavel/Tintavel");
    EXPECT_NE(output.err.find("Tintavel: Unable to initialize a virtual machine (launch2)\n"),
              std::string::npos);
}

}  // namespace
