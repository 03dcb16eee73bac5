// The real executables in a product folder laid out in a temporary folder,
// against the stub VM: the whole road from the command line to the Java
// main call, on every system (under Wine for the Windows build).
#include <gtest/gtest.h>

#include <filesystem>

#include "ManagedTestSupport.h"
#include "SystemFacts.h"

namespace mirobanth::test { namespace {

namespace fs = std::filesystem;

class LauncherStubVMTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(std::filesystem::u8path(MIROBANTH_PRODUCT_DIR),
                              std::filesystem::u8path(product.path()),
                              std::filesystem::copy_options::recursive);
        options.env = cleanLauncherEnvironment();
        options.env["MIROBANTH_JVM"] = stubVMPath();
        options.env["MIROBANTH_STUBVM_RECORD"] = recordFile;
        options.workingDirectory = product.path();
    }

    // Each start records afresh.
    ChildResult start(const std::string& program, const Lines& arguments = {}) {
        fs::remove(fs::u8path(recordFile));
        return runChild(options, product.path() + "/" + programFileName(program), arguments);
    }

    Lines recorded(const std::string& prefix) const { return recordedCalls(recordFile, prefix); }
    // A start of the console launcher that runs main once, writing err and,
    // from the VM's lookup on, the lines shown.
    void expectRun(const Lines& shown, const std::string& err = "") {
        ChildResult result = start("Tintavel64-Console");
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, err);
        EXPECT_EQ(linesAfter(result.out, "Tintavel: No security policy used"), shown);
        EXPECT_EQ(recorded("CallStaticVoidMethod ").size(), 1u);
    }

    // A copy of a library of the build as the file at path; returns the path.
    static std::string place(const std::string& library, const std::string& path) {
        fs::create_directories(fs::u8path(path).parent_path());
        fs::copy_file(fs::u8path(library), fs::u8path(path));
        return path;
    }

    std::string inProduct(const std::string& entry) const {
        return product.path() + facts::directorySeparator() + entry;
    }
    std::string inWork(const std::string& entry) const {
        return work.path() + facts::directorySeparator() + entry;
    }
    std::string bundledVM() const { return inProduct(facts::bundledVMLibrary()); }

    TemporaryFolder product;
    TemporaryFolder work;
    const std::string recordFile = work.path() + "/stubvm.record";
    ChildOptions options;
};

// Blanks, an empty argument, quotes, a backslash before a quote, accents, CJK
// and an emoji: each arrives as one Java string of exactly its UTF-16 units.
const Lines ARGUMENTS = {"My File", "", "say \"hi\"", "C:\\dir\\", WORLD_TEXT};
const Lines ARGUMENT_UNITS = {hexUnits(u"My File"), "", hexUnits(u"say \"hi\""),
                              hexUnits(u"C:\\dir\\"), "00E9 65E5 672C D83D DE00"};

TEST_F(LauncherStubVMTest, ConsoleLauncherRunsTheProductsMainWithTheEightOptions) {
    expectRun(launchLines({"Tintavel: MIROBANTH_JVM override in effect"}, stubVMPath()));
    EXPECT_EQ(recorded("option "), tintavelOptionsIn(product.path(), facts::nativeLookAndFeel()));
}

// An empty value counts: the variable is there.
TEST_F(LauncherStubVMTest, EmptySilentSwitchLeavesNoLine) {
    options.env["MIROBANTH_SILENT"] = "";
    ChildResult result = start("Tintavel64-Console", {"x"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(recorded("CallStaticVoidMethod ").size(), 1u);
}

TEST_F(LauncherStubVMTest, BothLaunchersPassTheArgumentsAsTheirExactUnits) {
    for (const char* launcher : {"Tintavel64-Console", "Tintavel64"}) {
        EXPECT_EQ(start(launcher, ARGUMENTS).status, 0) << launcher;
        EXPECT_EQ(recorded("NewString "), ARGUMENT_UNITS) << launcher;
        EXPECT_EQ(recorded("CallStaticVoidMethod ").size(), 1u) << launcher;
    }
}

TEST_F(LauncherStubVMTest, ExitStatusFollowsTheJavaOutcome) {
    options.env["MIROBANTH_STUBVM_THROW"] = "1";
    EXPECT_EQ(start("Tintavel64-Console").status, 1);
    options.env["MIROBANTH_STUBVM_THROW"] = std::nullopt;
    options.env["MIROBANTH_STUBVM_REFUSE"] = "1";
    ChildResult refused = start("Tintavel64-Console");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(noVMWarning()), std::string::npos) << refused.err;
    options.env["MIROBANTH_STUBVM_REFUSE"] = std::nullopt;
    EXPECT_EQ(start("Tintavel64-Console").status, 0);
}

TEST_F(LauncherStubVMTest, ABundledRuntimeIsTheVMWhenNoVariableNamesOne) {
    options.env["MIROBANTH_JVM"] = std::nullopt;
    const std::string vm = place(stubVMPath(), bundledVM());
    expectRun(launchLines({"Tintavel: Bundled Java runtime is used", "Tintavel: " + vm}, vm));
}

// The bundled library here is no VM: taking it would fail the launch.
TEST_F(LauncherStubVMTest, TheEnvironmentStillDecidesBeforeABundledRuntime) {
    place(noEntryLibraryPath(), bundledVM());
    expectRun(launchLines({"Tintavel: MIROBANTH_JVM override in effect"}, stubVMPath()));

    const std::string javaHome = inWork("jdk");
    const std::string vm = place(stubVMPath(), javaHome + facts::javaHomeLayouts().front());
    options.env["JAVA_HOME"] = javaHome;
    expectRun(launchLines({"Tintavel: JAVA_HOME is used as JRE base path", "Tintavel: " + vm}, vm));
}

// A runtime folder is the product's choice even when its VM is missing: the
// launch fails naming the library instead of running some other Java.
TEST_F(LauncherStubVMTest, ABundledRuntimeWithoutItsVMIsReportedNotReplaced) {
    options.env["MIROBANTH_JVM"] = std::nullopt;
    fs::create_directories(fs::u8path(product.path()) / "runtime");
    const std::string vm = bundledVM();
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(linesAfter(result.out, "Tintavel: No security policy used"),
              (Lines{"Tintavel: Bundled Java runtime is used", "Tintavel: " + vm,
                     "Tintavel: No shared library found", "Tintavel: <FINALIZE>",
                     "Tintavel: <FINALIZE>", "Tintavel: <FINALIZE>"}));
    EXPECT_EQ(result.err, missingLibraryError(vm));
}

// Names read against the working folder would let whoever writes there
// choose the VM: both variables are ignored, and the bundled runtime runs.
TEST_F(LauncherStubVMTest, RelativeVMLocationsAreIgnored) {
    options.workingDirectory = work.path();
    const std::string relativeVM = "vm" + facts::directorySeparator() + facts::vmLibraryFileName();
    place(noEntryLibraryPath(), inWork(relativeVM));
    place(noEntryLibraryPath(), work.path() + "/jdk" + facts::javaHomeLayouts().front());
    options.env["JAVA_HOME"] = "jdk";
    options.env["MIROBANTH_JVM"] = relativeVM;
    const std::string vm = place(stubVMPath(), bundledVM());
    expectRun(launchLines({"Tintavel: Bundled Java runtime is used", "Tintavel: " + vm}, vm),
              "Tintavel: JAVA_HOME is ignored because it is not an absolute path: jdk\n"
              "Tintavel: MIROBANTH_JVM is ignored because it is not an absolute path: " +
                  relativeVM + "\n");
}

// A folder holding the path-list separator would be split into a relative
// entry of the class path and of PATH: nothing there reaches the VM. (On
// Windows the system's loader already fails to find the launcher's libraries
// in such a folder.)
TEST_F(LauncherStubVMTest, AProductFolderHoldingThePathListSeparatorNeverStartsAVM) {
    const std::string folder = inProduct("x" + facts::pathListSeparator() + "y");
    fs::copy(fs::u8path(MIROBANTH_PRODUCT_DIR), fs::u8path(folder), fs::copy_options::recursive);
    options.workingDirectory = work.path();
    options.args = {folder + "/" + programFileName("Tintavel64-Console")};
    ChildResult result = runChild(options);
    EXPECT_NE(result.status, 0);
    EXPECT_TRUE(recorded("JNI_CreateJavaVM").empty());
}

// A product described beside copies of both launchers named after it, with
// its user's settings in a folder of the test's own.
class DescribedLauncherTest : public LauncherStubVMTest {
protected:
    void SetUp() override {
        LauncherStubVMTest::SetUp();
        for (std::string variant : {"", "-Console"})
            copyProgram("Tintavel64" + variant, product.path(), "jEdit" + variant);
        options.env[facts::userConfigVariable()] = inWork("config");
    }
    void describe(const std::string& more) {
        product.write("jEdit.cfg", "main-class = org.example.App\n" + more);
    }
    std::string userOptions(const std::string& text) const {
        return fs::u8path(work.write("config/jEdit/jEdit.vmoptions", text))
            .make_preferred()
            .u8string();
    }
    // A Java home under the work folder that states its version, with the
    // stub VM where the layout puts it.
    std::string javaHome(const std::string& name, const std::string& version) const {
        work.write(name + "/release", "JAVA_VERSION=\"" + version + "\"\n");
        const std::string home = inWork(name);
        place(stubVMPath(), home + facts::javaHomeLayouts().front());
        return home;
    }
    static bool holds(const std::string& out, const std::string& line) {
        return out.find(line + "\n") != std::string::npos;
    }

    const std::string appJar = product.write("lib/app.jar", "");
    const std::string otherJar = work.write("jars/other.jar", "");
    const std::string classPath = "-Djava.class.path=" + facts::pathList({appJar, otherJar});
};

TEST_F(DescribedLauncherTest, RunsTheProductQuietlyWithItsAndItsUsersOptions) {
    describe("class-path = lib/app.jar\nclass-path = " + otherJar +
             "\njava-option = -Xmx512m\njava-option = -Dapp.home=$PRODUCT_DIR\n"
             "argument = -nosplash\n");
    userOptions("# mine\n\n  -Xmx2g  \r\n");
    const Lines expected = concatenated(
        {defaultOptions(classPath, libraryPathIn(product.path()), facts::nativeLookAndFeel()),
         {"-Xmx512m", "-Dapp.home=" + product.path(), "-Xmx2g"}});
    for (const char* launcher : {"jEdit-Console", "jEdit"}) {
        ChildResult result = start(launcher, {"My File"});
        EXPECT_EQ(result.status, 0) << launcher << result.err;
        EXPECT_EQ(result.out, "") << launcher;
        EXPECT_EQ(result.err, "") << launcher;
        EXPECT_EQ(recorded("option "), expected) << launcher;
        EXPECT_EQ(recorded("CallStaticVoidMethod "), Lines{"org/example/App main array"});
        EXPECT_EQ(recorded("NewString "), (Lines{hexUnits(u"-nosplash"), hexUnits(u"My File")}));
    }
}

TEST_F(DescribedLauncherTest, VerboseOnRequestWithTheProductsNameAndASkinBringsSubstance) {
    describe("class-path = lib/app.jar\nclass-path = " + otherJar + "\n");
    const std::string file = userOptions("-Xmx2g\n");
    options.env["MIROBANTH"] = "1";
    ChildResult result = start("jEdit-Console", {"-Xgemini"});
    EXPECT_EQ(result.status, 0) << result.err;
    Lines out = lines(result.out);
    ASSERT_GT(out.size(), 2u);
    EXPECT_EQ(out[0].rfind("Mirobanth jEdit running on ", 0), 0u);
    EXPECT_TRUE(std::all_of(out.begin() + 2, out.end(), [](const std::string& line) {
        return line.rfind("jEdit: ", 0) == 0;
    })) << result.out;
    EXPECT_TRUE(holds(result.out, "jEdit: Java options of the user read from " + file))
        << result.out;
    EXPECT_EQ(recorded("option ").at(1),
              classPath + facts::pathListSeparator() + inProduct("ext/substance.jar"));
}

TEST_F(DescribedLauncherTest, AFaultyDescriptionIsToldAndStartsNothing) {
    describe("clas-path = lib/app.jar\n");
    ChildResult result = start("jEdit-Console");
    const std::string problem = inProduct("jEdit.cfg") + ", line 2: unknown key \"clas-path\"";
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "jEdit: " + problem + "\n" + facts::alertTrace("jEdit", problem));
    EXPECT_TRUE(recorded("JNI_CreateJavaVM").empty());
}

TEST_F(DescribedLauncherTest, AMalformedUserFileIsToldAndLeftOut) {
    describe("");
    const std::string file = userOptions("Xmx2g\n");
    ChildResult result = start("jEdit-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "jEdit: " + file +
                              ", line 1: \"Xmx2g\" is not a Java option, which begins with \"-\"; "
                              "the launch goes on without this file\n");
    EXPECT_EQ(recorded("option ").size(), 8u);
}

// A Java 17 that has its base archive writes the product's archive under a
// temporary name in the user's cache folder; the next start maps it there.
TEST_F(DescribedLauncherTest, TheClassDataArchiveLivesInTheUsersCacheFolder) {
    options.env["JAVA_HOME"] = javaHome("jdk17", "17.0.1");
    const fs::path vm = fs::u8path(*options.env["JAVA_HOME"] + facts::javaHomeLayouts().front());
    place(noEntryLibraryPath(), (vm.parent_path() / "classes.jsa").u8string());
    const std::string cache = inWork("cache");
    options.env[facts::userCacheVariable()] = cache;
    describe("class-path = lib/app.jar\n");
    const std::string folder =
        cache + facts::directorySeparator() + "jEdit" + facts::directorySeparator();
    EXPECT_EQ(start("jEdit").status, 0);
    const Lines written = recorded("option -XX:ArchiveClassesAtExit=");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].rfind(folder + "classes-", 0), 0u) << written[0];
    EXPECT_EQ(written[0].find(".tmp.jsa", folder.size() + 24), written[0].size() - 8) << written[0];
    EXPECT_EQ(start("jEdit").status, 0);
    EXPECT_EQ(recorded("option -XX:SharedArchiveFile="),
              Lines{written[0].substr(0, folder.size() + 24) + ".jsa"});
}

TEST_F(DescribedLauncherTest, TheFirstJavaThatIsNewEnoughRuns) {
    const std::string java11 = javaHome("jdk11", "11.0.2");
    const std::string java17 = javaHome("jdk17", "17.0.1");
    options.env["JAVA_HOME"] = java11;
    options.env["MIROBANTH_JVM"] = java17 + facts::javaHomeLayouts().front();
    options.env["MIROBANTH"] = "1";
    describe("java-min = 17\n");
    ChildResult fitting = start("jEdit-Console");
    EXPECT_EQ(fitting.status, 0) << fitting.err;
    EXPECT_TRUE(holds(
        fitting.out, "jEdit: Passed over Java 11 in " + java11 + ": jEdit needs Java 17 or later"));
    EXPECT_TRUE(holds(fitting.out, "jEdit: Java 17 in " + java17 + " is used")) << fitting.out;

    describe("java-min = 99\n");
    ChildResult none = start("jEdit-Console");
    EXPECT_EQ(none.status, 1);
    const std::string found = "Found: Java 11 in " + java11 + ", Java 17 in " + java17;
    EXPECT_EQ(none.err.rfind("jEdit: jEdit needs Java 99 or later. " + found, 0), 0u) << none.err;
    // That message is the one alert.
    EXPECT_EQ(none.err.find("Java VM failed to initialize"), std::string::npos) << none.err;
    EXPECT_TRUE(recorded("JNI_CreateJavaVM").empty());
}

}}  // namespace mirobanth::test
