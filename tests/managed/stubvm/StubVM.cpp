// A stand-in for a Java VM library, for tests only. It exports
// JNI_CreateJavaVM and implements the few JNI functions the launcher calls,
// writing one line per call into the file named by MIROBANTH_STUBVM_RECORD,
// so a test can see the options, class names and argument strings exactly.
//
// What it pretends, from the environment:
//   MIROBANTH_STUBVM_REFUSE          set: JNI_CreateJavaVM fails (returns JNI_ERR)
//   MIROBANTH_STUBVM_MISSING         comma-separated classes that are not found
//                                    (a dotted or empty name is never found, as in a real VM)
//   MIROBANTH_STUBVM_MISSING_METHODS comma-separated static methods that are not found
//   MIROBANTH_STUBVM_THROW           set: main ends with an exception
//   MIROBANTH_STUBVM_NOT_PUBLIC      comma-separated static methods that are
//                                    static but not public
// It knows no system property: System.getProperty answers null. As a VM
// does, it writes a file named by -XX:ArchiveClassesAtExit= when it ends.
#define _JNI_IMPLEMENTATION_
#include <jni.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "StubRecorder.h"

namespace stubvm { namespace {

// Every class, method, string or exception the stub hands out is the address
// of its description, kept until the library is unloaded.
std::deque<std::string> descriptions;

template <typename Handle>
Handle handle(const std::string& description) {
    descriptions.push_back(description);
    return reinterpret_cast<Handle>(&descriptions.back());
}

template <typename Handle>
const std::string& describe(Handle handle) {
    return *reinterpret_cast<const std::string*>(handle);
}

jthrowable pending = nullptr;

void raise(const std::string& description) { pending = handle<jthrowable>(description); }

// JNI functions.

jclass JNICALL FindClass(JNIEnv*, const char* name) {
    record("FindClass " + std::string(name));
    if (std::string(name).empty() || std::string(name).find('.') != std::string::npos ||
        isListed("MIROBANTH_STUBVM_MISSING", name)) {
        raise("java.lang.NoClassDefFoundError: " + std::string(name));
        return nullptr;
    }
    return handle<jclass>(name);
}

jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    record("GetStaticMethodID " + describe(type) + " " + name + " " + signature);
    if (isListed("MIROBANTH_STUBVM_MISSING_METHODS", name)) {
        raise("java.lang.NoSuchMethodError: " + std::string(name));
        return nullptr;
    }
    return handle<jmethodID>(name);
}

jmethodID JNICALL GetMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
    record("GetMethodID " + describe(type) + " " + name + " " + signature);
    return handle<jmethodID>(name);
}

jobject JNICALL ToReflectedMethod(JNIEnv*, jclass type, jmethodID method, jboolean) {
    record("ToReflectedMethod " + describe(type) + " " + describe(method));
    return handle<jobject>("reflected " + describe(method));
}

// Only Method.getModifiers is called with an int result.
jint JNICALL CallIntMethodV(JNIEnv*, jobject target, jmethodID method, va_list) {
    record("CallIntMethod " + describe(target) + " " + describe(method));
    const jint PUBLIC = 0x1, STATIC = 0x8;
    std::string name = describe(target).substr(std::string("reflected ").size());
    return isListed("MIROBANTH_STUBVM_NOT_PUBLIC", name) ? STATIC : PUBLIC | STATIC;
}

jstring JNICALL NewString(JNIEnv*, const jchar* characters, jsize length) {
    record("NewString " + hexUnits(characters, static_cast<std::size_t>(length)));
    return handle<jstring>("string");
}

jstring JNICALL NewStringUTF(JNIEnv*, const char* bytes) {
    record("NewStringUTF " + std::string(bytes));
    return handle<jstring>("string");
}

jobjectArray JNICALL NewObjectArray(JNIEnv*, jsize length, jclass type, jobject initial) {
    record("NewObjectArray " + std::to_string(length) + " " + describe(type) +
           (initial ? " with initial element" : ""));
    return handle<jobjectArray>("array");
}

void JNICALL SetObjectArrayElement(JNIEnv*, jobjectArray, jsize index, jobject) {
    record("SetObjectArrayElement " + std::to_string(index));
}

void JNICALL DeleteLocalRef(JNIEnv*, jobject) {}

void JNICALL CallStaticVoidMethodV(JNIEnv*, jclass type, jmethodID method, va_list arguments) {
    jobject argument = va_arg(arguments, jobject);
    record("CallStaticVoidMethod " + describe(type) + " " + describe(method) + " " +
           (argument ? describe(argument) : "null"));
    if (std::getenv("MIROBANTH_STUBVM_THROW"))
        raise("java.lang.IllegalStateException: thrown by main");
}

// jni.h's C++ wrappers reach the variadic calls through their va_list forms.
jobject JNICALL CallStaticObjectMethodV(JNIEnv*, jclass type, jmethodID method, va_list) {
    record("CallStaticObjectMethod " + describe(type) + " " + describe(method));
    return describe(method) == "currentThread" ? handle<jobject>("thread main") : nullptr;
}

jobject JNICALL CallObjectMethodV(JNIEnv*, jobject target, jmethodID method, va_list) {
    record("CallObjectMethod " + describe(target) + " " + describe(method));
    return handle<jobject>("handler of " + describe(target));
}

void JNICALL CallVoidMethodV(JNIEnv*, jobject target, jmethodID method, va_list arguments) {
    jobject thread = va_arg(arguments, jobject);
    jobject problem = va_arg(arguments, jobject);
    record("CallVoidMethod " + describe(target) + " " + describe(method) + " " + describe(thread) +
           " " + describe(problem));
}

jthrowable JNICALL ExceptionOccurred(JNIEnv*) { return pending; }

jboolean JNICALL ExceptionCheck(JNIEnv*) { return pending ? JNI_TRUE : JNI_FALSE; }

// A real VM prints the exception and its stack on standard error.
void JNICALL ExceptionDescribe(JNIEnv*) {
    record("ExceptionDescribe");
    if (pending)
        std::fprintf(stderr, "Exception in thread \"main\" %s\n", describe(pending).c_str());
    std::fflush(stderr);
    pending = nullptr;
}

void JNICALL ExceptionClear(JNIEnv*) {
    record("ExceptionClear");
    pending = nullptr;
}

jint JNICALL Throw(JNIEnv*, jthrowable problem) {
    record("Throw " + describe(problem));
    pending = problem;
    return JNI_OK;
}

// Invocation interface.

jint JNICALL DetachCurrentThread(JavaVM*) {
    record("DetachCurrentThread");
    return JNI_OK;
}

std::string archiveAtExit;

jint JNICALL DestroyJavaVM(JavaVM*) {
    record("DestroyJavaVM");
    FILE* archive = archiveAtExit.empty() ? nullptr : std::fopen(archiveAtExit.c_str(), "wb");
    if (archive) std::fclose((std::fputs("classes", archive), archive));
    return JNI_OK;
}

JNINativeInterface_ makeNativeInterface() {
    JNINativeInterface_ table{};
    table.FindClass = FindClass;
    table.GetStaticMethodID = GetStaticMethodID;
    table.GetMethodID = GetMethodID;
    table.NewString = NewString;
    table.NewStringUTF = NewStringUTF;
    table.NewObjectArray = NewObjectArray;
    table.SetObjectArrayElement = SetObjectArrayElement;
    table.DeleteLocalRef = DeleteLocalRef;
    table.CallStaticVoidMethodV = CallStaticVoidMethodV;
    table.CallStaticObjectMethodV = CallStaticObjectMethodV;
    table.CallObjectMethodV = CallObjectMethodV;
    table.CallVoidMethodV = CallVoidMethodV;
    table.ToReflectedMethod = ToReflectedMethod;
    table.CallIntMethodV = CallIntMethodV;
    table.ExceptionOccurred = ExceptionOccurred;
    table.ExceptionCheck = ExceptionCheck;
    table.ExceptionDescribe = ExceptionDescribe;
    table.ExceptionClear = ExceptionClear;
    table.Throw = Throw;
    return table;
}

JNIInvokeInterface_ makeInvokeInterface() {
    JNIInvokeInterface_ table{};
    table.DetachCurrentThread = DetachCurrentThread;
    table.DestroyJavaVM = DestroyJavaVM;
    return table;
}

void recordInitArguments(const JavaVMInitArgs* arguments) {
    char version[16];
    std::snprintf(version, sizeof version, "0x%08lx",
                  static_cast<unsigned long>(arguments->version));
    record(std::string("JNI_CreateJavaVM version=") + version +
           " options=" + std::to_string(arguments->nOptions) +
           " ignoreUnrecognized=" + std::to_string(arguments->ignoreUnrecognized));
    for (jint i = 0; i < arguments->nOptions; ++i) {
        const JavaVMOption& option = arguments->options[i];
        record(std::string("option ") + option.optionString + (option.extraInfo ? " +extra" : ""));
        const std::string atExit = "-XX:ArchiveClassesAtExit=";
        if (std::strncmp(option.optionString, atExit.c_str(), atExit.size()) == 0)
            archiveAtExit = option.optionString + atExit.size();
    }
}

}}  // namespace stubvm

#ifdef MIROBANTH_STUBVM_COMPANION
// A variant that imports a DLL of its own, as a real jvm.dll imports the
// runtime DLLs beside it, and loads plantme.dll by its bare name, as a VM
// loads some DLLs: the record names the file the search took.
#    include <windows.h>
extern "C" __declspec(dllimport) int mirobanthVmCompanion();
#endif

extern "C" JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** vm, void** env, void* arguments) {
    static JNINativeInterface_ nativeInterface = stubvm::makeNativeInterface();
    static JNIInvokeInterface_ invokeInterface = stubvm::makeInvokeInterface();
    static JNIEnv_ environment{&nativeInterface};
    static JavaVM_ machine{&invokeInterface};
    stubvm::recordInitArguments(static_cast<JavaVMInitArgs*>(arguments));
#ifdef MIROBANTH_STUBVM_COMPANION
    stubvm::record("companion " + std::to_string(mirobanthVmCompanion()));
    char planted[MAX_PATH] = "nothing";
    if (HMODULE module = LoadLibraryA("plantme.dll")) GetModuleFileNameA(module, planted, MAX_PATH);
    stubvm::record(std::string("plantme.dll ") + planted);
#endif
    if (std::getenv("MIROBANTH_STUBVM_REFUSE")) return JNI_ERR;
    stubvm::pending = nullptr;
    *vm = &machine;
    *env = &environment;
    return JNI_OK;
}
