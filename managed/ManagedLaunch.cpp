// Running the Java program: the launch entry points, the call of the main
// class's main(String[]) and the end of the VM.
#include <jni.h>

#include "application/platform/Platform.h"
#include "core/Console.h"
#include "managed/JavaBridge.h"
#include "managed/Managed.h"

namespace mirobanth::managed {

using core::Console;

namespace {

const char* const MAIN_SIGNATURE = "([Ljava/lang/String;)V";

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
    if (!launchFailed) endJavaVM();
}

// Class names are slash-separated as FindClass wants them; a dotted name is
// passed on as given and is then simply not found.
void Managed::invoke(JNIEnv* env, const char* className) {
    className = classNameOf(className);
    jclass mainType = env->FindClass(className);
    if (!mainType) return reportMissingClass(env, className);
    jmethodID main = env->GetStaticMethodID(mainType, "main", MAIN_SIGNATURE);
    // The Java launcher runs only a public main; so does this one.
    if (!main || !java_bridge::isPublic(env, mainType, main)) return reportMissingMain(env);
    if (java_bridge::callMain(env, mainType, main, passThroughArguments)) {
        setExitValue(0);
    } else {
        Console::warn(this, "Static method call failed");
    }
}

// The main thread leaves the VM first, as the Java launcher's own does: a
// Java thread that joins the main thread would otherwise wait for ever, and
// DestroyJavaVM waits for every non-daemon thread. The pointers are
// forgotten afterwards so nothing reaches into the ended VM. Without a VM
// there is nothing to end.
void Managed::endJavaVM() {
    if (!javaVM) return;
    javaVM->DetachCurrentThread();
    javaVM->DestroyJavaVM();
    javaVM = nullptr;
    jniEnv = nullptr;
}

int Managed::java(std::string name, const char* className, int argc, char** argv) {
    Managed managed(std::move(name), argc, argv);
    managed.launch(className);
    return managed.getExitValue();
}

void Managed::reportVMFailure(const std::string& warning) {
    Console::warn(this, warning);
    getPlatform()->alert(getApplicationName(), "Java VM failed to initialize");
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
