#pragma once

#include <mirobanth/core/Name.h>

#include <jni.h>

#include <string>
#include <vector>

namespace mirobanth::managed {

// The Java VM a launch hosts: its library, loaded by the path that was
// decided and kept for the rest of the process, the JavaVM and the JNIEnv of
// the thread that created it. Each step says on the console, tagged with the
// source the caller passes, what it found.
class JavaVirtualMachine {
public:
    // Loads the VM library at path and links its JNI_CreateJavaVM; false
    // after saying why.
    bool link(const core::Name* source, const std::string& path);
    // Creates the VM with the option texts through the linked entry point;
    // false after saying why. A failed creation leaves a VM created before as
    // it was: it still has to be ended.
    bool create(const core::Name* source, const std::vector<std::string>& options);
    // The JNI environment of the creating thread; null before the VM exists
    // and after it ended.
    JNIEnv* environment() const { return jniEnv; }

    enum class MainOutcome { Returned, Threw, ClassNotFound, NoPublicMain };
    // Runs the public static main(String[]) of the class (a slash-separated
    // name) on this thread with the arguments. When the class or its main is
    // missing, the VM's exception stays pending for the caller to describe.
    static MainOutcome runMain(JNIEnv* env, const char* className,
                               const std::vector<std::string>& arguments);

    // This thread leaves the VM first, as the Java launcher's own main thread
    // does (a Java thread that joins it would otherwise wait for ever); then
    // DestroyJavaVM waits for every non-daemon thread. Nothing reaches into
    // the ended VM afterwards. Without a VM there is nothing to end.
    void end();

private:
    using CreateJavaVMFunction = jint(JNICALL*)(JavaVM**, void**, void*);

    CreateJavaVMFunction createJavaVM = nullptr;
    JavaVM* javaVM = nullptr;
    JNIEnv* jniEnv = nullptr;
};

}  // namespace mirobanth::managed
