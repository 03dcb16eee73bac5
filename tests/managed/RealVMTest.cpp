// The launcher against Debian's OpenJDK: each test starts a host program that
// creates one real Java VM in its own process and runs a Java test program
// from javatests.jar.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "ManagedTestSupport.h"

namespace mirobanth::test { namespace {

// Whether every expected line occurs in text, in this order (other lines may
// come between them).
::testing::AssertionResult containsInOrder(const std::string& text, const Lines& expected) {
    Lines actual = lines(text);
    auto position = actual.begin();
    for (const std::string& line : expected) {
        position = std::find(position, actual.end(), line);
        if (position == actual.end()) {
            return ::testing::AssertionFailure() << "missing (in order): \"" << line << "\" in\n"
                                                 << text;
        }
        ++position;
    }
    return ::testing::AssertionSuccess();
}

bool hasLineStartingWith(const std::string& text, const std::string& start) {
    for (const std::string& line : lines(text))
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

class RealVMTest : public ::testing::Test {
protected:
    // Runs one host. javatests.jar lies beside the managed library, so a
    // launcher object named JavaTests has it on its default class path
    // whatever the working folder is.
    ChildResult host(const std::string& program, Lines arguments) {
        return runChild(options, binaryDirectory() + "/" + program, arguments);
    }
    ChildResult launch(const std::string& className, Lines arguments = {}) {
        return host("managed_c_host",
                    concatenated({{"launch", "JavaTests", className}, arguments}));
    }
    ChildResult testHost(Lines arguments) { return host("managed_test_host", arguments); }

    void SetUp() override {
        options.env = cleanLauncherEnvironment();
        options.env["JAVA_HOME"] = realJavaHome();
        options.env["MIROBANTH_SILENT"] = std::nullopt;
    }

    ChildOptions options;
};

// A host run to its normal end: status 0 (-1 if it hung) and the lines of
// each stream in order; standard error empty where quiet.
struct RunCase {
    const char* name;
    Lines arguments;  // of managed_c_host, or of managed_test_host after "updates"
    Lines out;
    std::vector<std::pair<std::string, std::optional<std::string>>> variables = {};
    Lines err = {};
    bool quiet = false;
};

class RunsToTheEndTest : public RealVMTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunsToTheEndTest, ExitsWithZeroSayingItsLines) {
    const RunCase& row = GetParam();
    for (const auto& [name, value] : row.variables) options.env[name] = value;
    options.timeoutSeconds = 30;
    ChildResult result = row.arguments.front() == "updates" ? testHost(row.arguments)
                                                            : host("managed_c_host", row.arguments);
    EXPECT_EQ(result.status, 0) << "a status of -1 means the launcher hung\n" << result.err;
    EXPECT_TRUE(containsInOrder(result.out, row.out));
    EXPECT_TRUE(containsInOrder(result.err, row.err));
    if (row.quiet) {
        EXPECT_EQ(result.err, "");
    }
}

Lines launching(const std::string& className, const Lines& arguments = {}) {
    return concatenated({{"launch", "JavaTests", "com/mirobanth/tests/" + className}, arguments});
}
const std::string VM = realJavaHome() + "/lib/server/libjvm.so";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, RunsToTheEndTest, ::testing::Values(
    RunCase{"ArgumentsArriveExactly",
            launching("ArgumentReport", {"My File", "", "say \"hi\"", "C:\\dir\\ end", WORLD_TEXT,
                                         "  ", "-xnative"}),
            {"count=7", "[0] length=7 <My File>", "[1] length=0 <>", "[2] length=8 <say \"hi\">",
             "[3] length=11 <C:\\dir\\ end>", "[4] length=5 <" + WORLD_TEXT + ">",
             "[5] length=2 <  >", "[6] length=8 <-xnative>"},
            {}, {}, true},
    RunCase{"SwitchesStayOutAndInvalidBytesBecomeReplacementCharacters",
            launching("ArgumentReport", {"-Xnative", "a" + INVALID_BYTE + "b", "-Xlaf=x"}),
            {"count=1", "[0] length=3 <a" + REPLACEMENT + "b>"}},
    RunCase{"NoArgumentsGiveAnEmptyArray", launching("ArgumentReport"),
            {"JavaTests: com/mirobanth/tests/ArgumentReport", "count=0"}},
    RunCase{"NormalReturnExitsWithZero", launching("ExitWith", {"return"}),
            {"returning", "JavaTests: <FINALIZE>"}},
    RunCase{"ANonDaemonThreadKeepsTheLauncherWaiting", launching("NonDaemonWorker"),
            {"main returns", "worker finished", "JavaTests: <FINALIZE>"}},
    RunCase{"AThreadJoiningTheMainThreadDoesNotHang", launching("JoinsMain"),
            {"main returns", "main thread ended", "JavaTests: <FINALIZE>"}},
    RunCase{"OverrideNamesTheVMLibraryItself", launching("ExitWith", {"return"}),
            {"JavaTests: MIROBANTH_JVM override in effect", "returning"},
            {{"JAVA_HOME", std::nullopt}, {"MIROBANTH_JVM", VM}}},
    RunCase{"WithoutVariablesThePlatformFindsTheRuntime", launching("ExitWith", {"return"}),
            {"JavaTests: JAVA_HOME and MIROBANTH_JVM not defined",
             "JavaTests: Shared library found", "JavaTests: " + VM, "returning"},
            {{"JAVA_HOME", std::nullopt}, {"MIROBANTH_JVM", ""},
             {"PATH", realJavaHome() + "/bin:/usr/bin:/bin"}}},
    RunCase{"PropertiesFromTheEightOptions",
            launching("PropertyReport", {"-Xgemini", "-Xnochrome", "mirobanth.nx",
                                         "java.class.path", "java.library.path",
                                         "mirobanth.override", "swing.defaultlaf",
                                         "mirobanth.chrome", "mirobanth.ignore1",
                                         "mirobanth.ignore2"}),
            {"mirobanth.nx=true",
             classPathIn(binaryDirectory(),
                         {"mirobanth-runtime.jar", "ext/substance.jar", "javatests.jar"}).substr(2),
             libraryPathIn(binaryDirectory()).substr(2), "mirobanth.override=true",
             "swing.defaultlaf=org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel",
             "mirobanth.chrome=false", "mirobanth.ignore1=", "mirobanth.ignore2="}},
    RunCase{"UpdateProbeFindsTheUpdaterWhileTheVMIsAlive",
            {"updates", "JavaTests", "com/mirobanth/tests/Missing"},
            {"JavaTests: NO ALERT", "JavaTests: Checking for updates", "JavaTests: Class ok",
             "JavaTests: Method ok"}},
    RunCase{"UpdateProbeWithoutTheUpdaterClass",
            {"updates", "JavaTests", "com/mirobanth/tests/Missing"},
            {"JavaTests: Checking for updates", "JavaTests: Class not found"},
            {{"MIROBANTH_CLASSPATH", "-Djava.class.path=."}},
            {"JavaTests: Class not found - com/mirobanth/tests/Missing",
             "Exception in thread \"main\" java.lang.NoClassDefFoundError: "
             "com/mirobanth/ds/Updater"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RealVMTest, SystemExitEndsTheProcessWithItsStatus) {
    for (const char* status : {"7", "0", "1", "255"}) {
        ChildResult result = launch("com/mirobanth/tests/ExitWith", {"exit", status});
        EXPECT_EQ(result.status, std::stoi(status)) << result.err;
        EXPECT_TRUE(containsInOrder(result.out, {std::string("exiting with ") + status}));
        // The VM ended the process: the launcher object was never destroyed.
        EXPECT_FALSE(hasLineStartingWith(result.out, "JavaTests: <FINALIZE>"));
    }
}

TEST_F(RealVMTest, ThrowingMainIsDescribedAndExitsWithOne) {
    ChildResult result = launch("com/mirobanth/tests/ThrowingMain");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(containsInOrder(result.err,
                                {"Exception in thread \"main\" java.lang.IllegalStateException: "
                                 "thrown by main",
                                 "JavaTests: Static method call failed"}));
    EXPECT_TRUE(hasLineStartingWith(result.err, "\tat com.mirobanth.tests.ThrowingMain.main("));
}

TEST_F(RealVMTest, TheMainThreadsOwnHandlerSeesTheException) {
    ChildResult result = launch("com/mirobanth/tests/HandledThrow");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(
        containsInOrder(result.out, {"handler: main: handled elsewhere", "JavaTests: <FINALIZE>"}));
    EXPECT_EQ(result.err, "JavaTests: Static method call failed\n");
}

// A class the launch cannot run: its lines on each stream, in order (on
// standard error all of them, where whole), and main never called.
struct UnrunnableCase {
    const char* name;
    const char* className;
    Lines out, err;
    bool whole = false;
};

class UnrunnableClassTest : public RealVMTest,
                            public ::testing::WithParamInterface<UnrunnableCase> {};

TEST_P(UnrunnableClassTest, FailsWithOneAndSaysWhy) {
    const UnrunnableCase& row = GetParam();
    ChildResult result = launch(row.className, {"return"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(containsInOrder(result.out, row.out));
    EXPECT_TRUE(containsInOrder(result.err, row.err));
    if (row.whole) {
        EXPECT_EQ(lines(result.err), row.err);
    }
    EXPECT_FALSE(hasLineStartingWith(result.out, "never called"));
}

const std::string NO_MAIN = "Class does not have a main() method";
const std::string EXCEPTION = "Exception in thread \"main\" java.lang.";
const std::string MAIN = ".main([Ljava/lang/String;)V";
const std::string NOT_FOUND = "JavaTests Alert: Class not found";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, UnrunnableClassTest, ::testing::Values(
    UnrunnableCase{"MissingClass", "com/mirobanth/tests/Missing",
                   {"JavaTests: com/mirobanth/tests/Missing", "JavaTests: NO ALERT"},
                   {EXCEPTION + "NoClassDefFoundError: com/mirobanth/tests/Missing",
                    "JavaTests: Class not found - com/mirobanth/tests/Missing", NOT_FOUND}},
    UnrunnableCase{"DottedClassNameIsNotFound", "com.mirobanth.tests.ExitWith", {},
                   {"JavaTests: Class not found - com.mirobanth.tests.ExitWith", NOT_FOUND}},
    UnrunnableCase{"ClassWithoutMain", "com/mirobanth/tests/NoMain", {},
                   {EXCEPTION + "NoSuchMethodError: static Lcom/mirobanth/tests/NoMain;" + MAIN,
                    "JavaTests: " + NO_MAIN, "JavaTests Alert: " + NO_MAIN}},
    UnrunnableCase{"MainWithTheWrongSignature", "com/mirobanth/tests/WrongMain", {},
                   {EXCEPTION + "NoSuchMethodError: static Lcom/mirobanth/tests/WrongMain;" + MAIN,
                    "JavaTests: " + NO_MAIN, "JavaTests Alert: " + NO_MAIN}},
    // GetStaticMethodID finds a private main too; the Java launcher refuses it.
    UnrunnableCase{"NonPublicMainIsRefused", "com/mirobanth/tests/PrivateMain", {},
                   {"JavaTests: " + NO_MAIN, "JavaTests Alert: " + NO_MAIN}, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RealVMTest, AHandlerThatThrowsIsReportedAsTheJavaLauncherDoes) {
    ChildResult result = launch("com/mirobanth/tests/ThrowingHandler");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "\nException: java.lang.UnsupportedOperationException thrown from the "
              "UncaughtExceptionHandler in thread \"main\"\n"
              "JavaTests: Static method call failed\n");
}

}}  // namespace mirobanth::test
