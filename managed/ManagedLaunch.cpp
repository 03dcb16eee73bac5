// Running the Java program: the launch entry points, the call of the main
// class's main(String[]) and the end of the VM.
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <jni.h>

#include "ClassDataCache.h"
#include "JavaVirtualMachine.h"

namespace mirobanth::managed {

using core::Console;

namespace {

// A null class name is the empty one, which no class has.
const char* classNameOf(const char* className) { return className ? className : ""; }

}  // namespace

void Managed::launch() {
    JNIEnv* env = initialize();
    if (!env) return reportVMFailure("Unable to initialize a virtual machine (launch1)");
    run(env);
}

void Managed::launch(const char* className) {
    JNIEnv* env = initialize();
    if (!env) return reportVMFailure("Unable to initialize a virtual machine (launch2)");
    run(env, className);
}

void Managed::launchWithString(std::string className) {
    JNIEnv* env = initialize();
    if (!env) return reportVMFailure("Unable to initialize a virtual machine (launch2)");
    mainClass = className;
    run(env);
}

void Managed::testLaunch(const char* className) { launch(className); }

void Managed::run(JNIEnv* env) {
    const std::string className = mainClass;
    run(env, className.c_str());
}

// The VM stays alive when the class or its main method was missing; a host
// may still look at it (checkForUpdates).
void Managed::run(JNIEnv* env, const char* className) {
    mainClass = classNameOf(className);
    Console::info(this, mainClass);
    invoke(env, mainClass.c_str());
    if (launchFailed || !vm) return;
    vm->end();
    // The VM has written the archive, if it had one to write.
    if (classData) finishClassData();
}

// Class names are slash-separated as FindClass wants them; a dotted name is
// passed on as given and is then simply not found.
void Managed::invoke(JNIEnv* env, const char* className) {
    className = classNameOf(className);
    switch (JavaVirtualMachine::runMain(env, className, passThroughArguments)) {
        case JavaVirtualMachine::MainOutcome::Returned:
            return setExitValue(0);
        case JavaVirtualMachine::MainOutcome::Threw:
            return Console::warn(this, "Static method call failed");
        case JavaVirtualMachine::MainOutcome::ClassNotFound:
            return reportMissingClass(env, className);
        case JavaVirtualMachine::MainOutcome::NoPublicMain:
            return reportMissingMain(env);
    }
}

int Managed::java(std::string name, const char* className, int argc, char** argv) {
    Managed managed(std::move(name), argc, argv);
    managed.launch(className);
    return managed.getExitValue();
}

// One failure, one alert: after the alert that said what is missing, this
// one would only add that there is no VM. The console line stays.
void Managed::reportVMFailure(const std::string& warning) {
    Console::warn(this, warning);
    if (!failureShown) getPlatform()->alert(getApplicationName(), "Java VM failed to initialize");
}

// The alert is shown in a console too; the log line only says which it was.
void Managed::reportMissingClass(JNIEnv* env, const std::string& className) {
    env->ExceptionDescribe();
    Console::warn(this, "Class not found - " + className);
    launchFailed = true;
    Console::info(this, isRunningInConsole() ? "NO ALERT" : "ALERT");
    getPlatform()->alert(getApplicationName(), "Class not found");
}

void Managed::reportMissingMain(JNIEnv* env) {
    if (env->ExceptionOccurred()) env->ExceptionDescribe();
    launchFailed = true;
    Console::warn(this, "Class does not have a main() method");
    getPlatform()->alert(getApplicationName(), "Class does not have a main() method");
}

}  // namespace mirobanth::managed
