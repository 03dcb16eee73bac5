#include "JavaVirtualMachine.h"

#include <mirobanth/core/Console.h>

#include <optional>

#include "JavaBridge.h"
#include "SharedLibrary.h"

namespace mirobanth::managed {

using core::Console;

namespace {

const char* const MAIN_SIGNATURE = "([Ljava/lang/String;)V";

// The initialisation record with the option texts it points into.
class InitArguments {
public:
    explicit InitArguments(const std::vector<std::string>& options) : texts(options) {
        for (std::string& text : texts) entries.push_back({text.data(), nullptr});
        arguments.version = JNI_VERSION_1_4;
        arguments.nOptions = static_cast<jint>(entries.size());
        arguments.options = entries.data();
        arguments.ignoreUnrecognized = JNI_FALSE;
    }
    InitArguments(const InitArguments&) = delete;
    InitArguments& operator=(const InitArguments&) = delete;

    JavaVMInitArgs* record() { return &arguments; }

private:
    std::vector<std::string> texts;
    std::vector<JavaVMOption> entries;
    JavaVMInitArgs arguments{};
};

}  // namespace

bool JavaVirtualMachine::link(const core::Name* source, const std::string& path) {
    std::optional<os::SharedLibrary> library;
    try {
        library.emplace(path);
    } catch (const os::LibraryError& error) {
        Console::info(source, "No shared library found");
        // The loader's reason tells a broken or foreign library from a missing one.
        Console::warn(source, error.what());
        return false;
    }
    // The library stays loaded for the rest of the process, also when it
    // turns out not to be a VM: a Java VM cannot be unloaded, its threads run
    // its code until the process ends.
    library->keepLoaded();
    Console::info(source, "Shared library loaded");
    try {
        createJavaVM = library->function<CreateJavaVMFunction>("JNI_CreateJavaVM");
    } catch (const os::LibraryError&) {
        Console::info(source, "Shared library does not contain method JNI_CreateJavaVM");
        return false;
    }
    Console::info(source, "Shared library method JNI_CreateJavaVM linked");
    return true;
}

bool JavaVirtualMachine::create(const core::Name* source, const std::vector<std::string>& options) {
    InitArguments arguments(options);
    JavaVM* createdVM = nullptr;
    JNIEnv* createdEnv = nullptr;
    if (createJavaVM(&createdVM, reinterpret_cast<void**>(&createdEnv), arguments.record()) < 0) {
        Console::warn(source, "Call to Java VM failed");
        return false;
    }
    javaVM = createdVM;
    jniEnv = createdEnv;
    return true;
}

// The Java launcher runs only a public main; so does this one.
JavaVirtualMachine::MainOutcome JavaVirtualMachine::runMain(
    JNIEnv* env, const char* className, const std::vector<std::string>& arguments) {
    jclass mainType = env->FindClass(className);
    if (!mainType) return MainOutcome::ClassNotFound;
    jmethodID main = env->GetStaticMethodID(mainType, "main", MAIN_SIGNATURE);
    if (!main || !java_bridge::isPublic(env, mainType, main)) return MainOutcome::NoPublicMain;
    return java_bridge::callMain(env, mainType, main, arguments) ? MainOutcome::Returned
                                                                 : MainOutcome::Threw;
}

void JavaVirtualMachine::end() {
    if (!javaVM) return;
    javaVM->DetachCurrentThread();
    javaVM->DestroyJavaVM();
    javaVM = nullptr;
    jniEnv = nullptr;
}

}  // namespace mirobanth::managed
