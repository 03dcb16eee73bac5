// Calling main through the stub VM: the argument strings, the exit value, the
// failure paths and the end of the VM, seen in the stub's record.
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <memory>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"
#include "SystemFacts.h"

namespace mirobanth::test { namespace {

using managed::Managed;

const std::string MAIN_LOOKUP = "GetStaticMethodID com/example/Main main ([Ljava/lang/String;)V";

// The calls that find com/example/Main's main and check that it is public.
const Lines MAIN_CHECKS = {"FindClass com/example/Main",
                           MAIN_LOOKUP,
                           "ToReflectedMethod com/example/Main main",
                           "FindClass java/lang/reflect/Method",
                           "GetMethodID java/lang/reflect/Method getModifiers ()I",
                           "CallIntMethod reflected main getModifiers"};

// The calls of a launch of com/example/Main that returns normally, around
// those that make its argument array.
Lines mainCalls(const Lines& argumentArray) {
    return concatenated({MAIN_CHECKS,
                         {"FindClass java/lang/String"},
                         argumentArray,
                         {"CallStaticVoidMethod com/example/Main main array", "DetachCurrentThread",
                          "DestroyJavaVM"}});
}

// Each test starts with Tintavel made from a bare command line.
class InvocationTest : public ::testing::Test {
protected:
    void SetUp() override { make({"program"}); }
    void make(std::initializer_list<std::string> texts) {
        CommandLine arguments(texts);
        capture([&] {
            managed = std::make_unique<Managed>("Tintavel", arguments.argc(), arguments.argv());
        });
    }
    CapturedOutput launch(const char* className = "com/example/Main") {
        return capture([&] { managed->launch(className); });
    }
    // Managed::java for Tintavel: its own object, launched and destroyed.
    int java(const char* className, std::initializer_list<std::string> texts) {
        CommandLine arguments(texts);
        int value = -1;
        capture([&] {
            value = Managed::java("Tintavel", className, arguments.argc(), arguments.argv());
        });
        return value;
    }
    void TearDown() override {
        capture([&] { managed.reset(); });
    }

    StubVMEnvironment environment;
    std::unique_ptr<Managed> managed;
};

TEST_F(InvocationTest, EachArgumentBecomesOneJavaStringDecodedFromUtf8) {
    make({"program", "My File", "", "say \"hi\"", "C:\\dir\\", WORLD_TEXT, INVALID_BYTE});
    launch();
    EXPECT_EQ(environment.calls(),
              mainCalls({"NewObjectArray 6 java/lang/String", "NewString " + hexUnits(u"My File"),
                         "SetObjectArrayElement 0", "NewString ", "SetObjectArrayElement 1",
                         "NewString " + hexUnits(u"say \"hi\""), "SetObjectArrayElement 2",
                         "NewString " + hexUnits(u"C:\\dir\\"), "SetObjectArrayElement 3",
                         "FindClass java/lang/System",
                         "GetStaticMethodID java/lang/System getProperty "
                         "(Ljava/lang/String;)Ljava/lang/String;",
                         "NewStringUTF sun.jnu.encoding",
                         "CallStaticObjectMethod java/lang/System getProperty",
                         "NewString 00E9 65E5 672C D83D DE00", "SetObjectArrayElement 4",
                         "NewString FFFD", "SetObjectArrayElement 5"}));
}

TEST_F(InvocationTest, NoArgumentsGiveAnEmptyArrayNotNull) {
    make({"program", "-Xpolicy"});
    launch();
    EXPECT_EQ(environment.calls(), mainCalls({"NewObjectArray 0 java/lang/String"}));
}

TEST_F(InvocationTest, NormalReturnMakesTheExitValueZero) {
    CapturedOutput output = launch();
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(managed->getExitValue(), 0);
    EXPECT_EQ(managed->getMainClass(), "com/example/Main");
    EXPECT_FALSE(managed->isLaunchFailed());
}

TEST_F(InvocationTest, OutsideAConsoleTheLogSaysAlert) {
    capture([&] { managed->setRunningInConsole(false); });
    CapturedOutput output = launch("com.mirobanth.sample.SampleApp");
    EXPECT_EQ(linesAfter(output.out, "Tintavel: com.mirobanth.sample.SampleApp"),
              Lines{"Tintavel: ALERT"});
    EXPECT_NE(output.err.find("Tintavel: Class not found - com.mirobanth.sample.SampleApp\n" +
                              facts::alertTrace("Tintavel", "Class not found")),
              std::string::npos);
}

// A main that cannot be run leaves the VM alive, alerts and fails the launch.
struct Unrunnable {
    const char* name;
    const char* variable;  // of the stub, set to the missing name
    const char* missing;
    std::string thrown, logged, alert;
    Lines shown, calls;  // the lines after the VM's, its calls
};

class UnrunnableMainTest : public InvocationTest,
                           public ::testing::WithParamInterface<Unrunnable> {};

TEST_P(UnrunnableMainTest, LeavesTheVMAliveAndAlerts) {
    const Unrunnable& row = GetParam();
    environment.set(row.variable, row.missing);
    CapturedOutput output = launch();
    EXPECT_EQ(linesAfter(output.out, vmLinkedLine()), row.shown);
    EXPECT_EQ(output.err, row.thrown + "Tintavel: " + row.logged + "\n" +
                              facts::alertTrace("Tintavel", row.alert));
    EXPECT_EQ(environment.calls(), row.calls);
    EXPECT_TRUE(managed->isLaunchFailed());
    EXPECT_EQ(managed->getExitValue(), 1);
}

const std::string NO_MAIN = "Class does not have a main() method";
const std::string THROWN = "Exception in thread \"main\" java.lang.";

// GetStaticMethodID also finds a private main, which the Java launcher refuses.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Invocation, UnrunnableMainTest, ::testing::Values(
    Unrunnable{"MissingClass", "MIROBANTH_STUBVM_MISSING", "com/example/Main",
               THROWN + "NoClassDefFoundError: com/example/Main\n",
               "Class not found - com/example/Main", "Class not found",
               {"Tintavel: com/example/Main", "Tintavel: NO ALERT"},
               {"FindClass com/example/Main", "ExceptionDescribe"}},
    Unrunnable{"MissingMain", "MIROBANTH_STUBVM_MISSING_METHODS", "main",
               THROWN + "NoSuchMethodError: main\n", NO_MAIN, NO_MAIN, {"Tintavel: com/example/Main"},
               {"FindClass com/example/Main", MAIN_LOOKUP, "ExceptionDescribe"}},
    Unrunnable{"NonPublicMainIsAMissingMain", "MIROBANTH_STUBVM_NOT_PUBLIC", "main", "", NO_MAIN,
               NO_MAIN, {"Tintavel: com/example/Main"},
               MAIN_CHECKS}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(InvocationTest, ThrowingMainGoesToTheThreadsHandlerAndStillEndsTheVM) {
    environment.set("MIROBANTH_STUBVM_THROW", "1");
    CapturedOutput output = launch();
    EXPECT_EQ(output.err, "Tintavel: Static method call failed\n");
    EXPECT_EQ(linesAfter(environment.calls(), "CallStaticVoidMethod com/example/Main main array"),
              (Lines{"ExceptionClear", "FindClass java/lang/Thread",
                     "GetStaticMethodID java/lang/Thread currentThread ()Ljava/lang/Thread;",
                     "CallStaticObjectMethod java/lang/Thread currentThread",
                     "GetMethodID java/lang/Thread getUncaughtExceptionHandler "
                     "()Ljava/lang/Thread$UncaughtExceptionHandler;",
                     "CallObjectMethod thread main getUncaughtExceptionHandler",
                     "FindClass java/lang/Thread$UncaughtExceptionHandler",
                     "GetMethodID java/lang/Thread$UncaughtExceptionHandler uncaughtException "
                     "(Ljava/lang/Thread;Ljava/lang/Throwable;)V",
                     "CallVoidMethod handler of thread main uncaughtException thread main "
                     "java.lang.IllegalStateException: thrown by main",
                     "ExceptionClear", "DetachCurrentThread", "DestroyJavaVM"}));
    EXPECT_FALSE(managed->isLaunchFailed());
    EXPECT_EQ(managed->getExitValue(), 1);
}

TEST_F(InvocationTest, WithoutAReachableHandlerTheVMDescribesTheException) {
    environment.set("MIROBANTH_STUBVM_THROW", "1");
    environment.set("MIROBANTH_STUBVM_MISSING", "java/lang/Thread");
    CapturedOutput output = launch();
    EXPECT_EQ(output.err,
              "Exception in thread \"main\" java.lang.IllegalStateException: thrown by main\n"
              "Tintavel: Static method call failed\n");
    Lines calls = environment.calls();
    Lines tail(calls.end() - 7, calls.end());
    EXPECT_EQ(tail,
              (Lines{"FindClass java/lang/Thread", "ExceptionClear",
                     "Throw java.lang.IllegalStateException: thrown by main", "ExceptionDescribe",
                     "ExceptionClear", "DetachCurrentThread", "DestroyJavaVM"}));
}

TEST_F(InvocationTest, LaunchWithStringReplacesTheMainClass) {
    capture([&] { managed->launchWithString("com/example/Main"); });
    EXPECT_EQ(managed->getMainClass(), "com/example/Main");
    EXPECT_EQ(environment.calls().front(), "FindClass com/example/Main");
}

TEST_F(InvocationTest, LaunchWithoutANameRunsTheDerivedMainClass) {
    capture([&] { managed->launch(); });
    EXPECT_EQ(environment.calls().front(), "FindClass com/mirobanth/tintavel/Tintavel");
}

TEST_F(InvocationTest, JavaReturnsTheExitValueOfItsOwnObject) {
    EXPECT_EQ(java("com/example/Main", {"program", "x"}), 0);
    environment.set("MIROBANTH_STUBVM_MISSING", "com/example/Main");
    EXPECT_EQ(java("com/example/Main", {"program", "x"}), 1);
}

// No class has the empty name, which is what a null name reads as.
TEST_F(InvocationTest, ANullClassNameIsNotFound) {
    CapturedOutput output = launch(nullptr);
    EXPECT_NE(output.err.find("Tintavel: Class not found - \n" +
                              facts::alertTrace("Tintavel", "Class not found")),
              std::string::npos)
        << output.err;
    EXPECT_EQ(java(nullptr, {"program"}), 1);
}

// The runtime allows one VM per process; a refused second one must leave
// the first one's pointers, which run still needs to end it.
TEST_F(InvocationTest, AFailedSecondInitializeKeepsTheLiveVM) {
    JNIEnv* env = nullptr;
    capture([&] { env = managed->initialize(); });
    ASSERT_NE(env, nullptr);
    environment.set("MIROBANTH_STUBVM_REFUSE", "1");
    capture([&] { EXPECT_EQ(managed->initialize(), nullptr); });
    capture([&] { managed->run(env, "com/example/Main"); });
    EXPECT_EQ(environment.record().back(), "DestroyJavaVM");
}

TEST_F(InvocationTest, UpdateProbeWhileTheVMIsAlive) {
    environment.set("MIROBANTH_STUBVM_MISSING", "com/example/Main");
    launch();
    CapturedOutput found = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(found.out,
              "Tintavel: Checking for updates\nTintavel: Class ok\nTintavel: Method ok\n");
    EXPECT_EQ(found.err, "");

    environment.set("MIROBANTH_STUBVM_MISSING_METHODS", "update");
    CapturedOutput noMethod = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(noMethod.out, "Tintavel: Checking for updates\nTintavel: Class ok\n");
    EXPECT_EQ(noMethod.err, "Exception in thread \"main\" java.lang.NoSuchMethodError: update\n");

    environment.set("MIROBANTH_STUBVM_MISSING", "com/mirobanth/ds/Updater");
    CapturedOutput noClass = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(noClass.out, "Tintavel: Checking for updates\nTintavel: Class not found\n");
    EXPECT_EQ(
        noClass.err,
        "Exception in thread \"main\" java.lang.NoClassDefFoundError: com/mirobanth/ds/Updater\n");
}

TEST_F(InvocationTest, UpdateProbeAfterTheVMHasEnded) {
    launch();
    CapturedOutput output = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(output.out, "Tintavel: Checking for updates\n");
    EXPECT_EQ(output.err, "JNI not initialized.\n");
}

}}  // namespace mirobanth::test
