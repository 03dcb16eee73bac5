#pragma once

#include <jni.h>

#include <string>

namespace mirobanth::managed::java_bridge {

// Java strings made from the bytes of a command line as the Java launcher
// makes them: decoded with the charset in which the VM reads command lines
// and names files (its sun.jnu.encoding; on Linux the locale's), so that an
// argument names the file the user meant. For the environment of the thread
// that created the VM; the VM is asked once, and only for a text beyond
// ASCII, which every such charset reads alike.
class PlatformStrings {
public:
    explicit PlatformStrings(JNIEnv* env) : env(env) {}
    PlatformStrings(const PlatformStrings&) = delete;
    PlatformStrings& operator=(const PlatformStrings&) = delete;

    // The string of the bytes; null, with the VM's exception pending, when
    // the VM could not make it.
    jstring make(const std::string& bytes);

private:
    jobject platformCharset();
    jstring decoded(const std::string& bytes, jobject charset);

    JNIEnv* env;
    bool asked = false;
    jobject charset = nullptr;  // null: the bytes are decoded as UTF-8 here
    jclass stringType = nullptr;
    jmethodID decodingConstructor = nullptr;
};

}  // namespace mirobanth::managed::java_bridge
