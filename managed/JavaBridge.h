#pragma once

#include <jni.h>

#include <string>
#include <vector>

// Small JNI sequences the launcher needs, each safe to call with the
// environment of the thread that created the VM.
namespace mirobanth::managed::java_bridge {

// A Java string holding the UTF-8 text decoded to UTF-16; null (with the
// VM's exception pending) when the VM could not create it.
jstring newString(JNIEnv* env, const std::string& text);

// A String[] with one element per text, in order, each decoded as the Java
// launcher decodes its command line (PlatformStrings); an empty list gives
// an empty array, never null. Null with an exception pending on failure.
jobjectArray newStringArray(JNIEnv* env, const std::vector<std::string>& texts);

// Whether the method is public, which the Java launcher requires of main
// (GetStaticMethodID finds private methods too). A failed lookup counts as
// not public.
bool isPublic(JNIEnv* env, jclass type, jmethodID method);

// Calls the static main(String[]) with the arguments on this thread. True
// when it returned with no exception pending; otherwise the exception went
// to the thread's uncaught-exception handler and is cleared.
bool callMain(JNIEnv* env, jclass mainType, jmethodID main,
              const std::vector<std::string>& arguments);

// Gives the pending exception to the current thread's uncaught-exception
// handler, as the VM does for any other thread whose run method threw, and
// clears it. Only when no handler can be reached does the VM describe it.
// A handler that throws itself is reported on standard error as the Java
// launcher reports it.
void dispatchUncaughtException(JNIEnv* env);

}  // namespace mirobanth::managed::java_bridge
