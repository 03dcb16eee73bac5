#include "JavaBridge.h"

#include <iostream>

#include "PlatformStrings.h"
#include "Text.h"

namespace mirobanth::managed::java_bridge {

namespace {

// The thread's handler and what to call it with, or nothing when any step
// of the lookup failed (an exception may then be pending).
struct HandlerCall {
    jobject handler = nullptr;
    jobject thread = nullptr;
    jmethodID uncaughtException = nullptr;
};

HandlerCall findHandler(JNIEnv* env) {
    HandlerCall call;
    jclass threadType = env->FindClass("java/lang/Thread");
    if (!threadType) return {};
    jmethodID currentThread =
        env->GetStaticMethodID(threadType, "currentThread", "()Ljava/lang/Thread;");
    if (!currentThread) return {};
    call.thread = env->CallStaticObjectMethod(threadType, currentThread);
    if (!call.thread || env->ExceptionCheck()) return {};
    jmethodID getHandler = env->GetMethodID(threadType, "getUncaughtExceptionHandler",
                                            "()Ljava/lang/Thread$UncaughtExceptionHandler;");
    if (!getHandler) return {};
    call.handler = env->CallObjectMethod(call.thread, getHandler);
    if (!call.handler || env->ExceptionCheck()) return {};
    jclass handlerType = env->FindClass("java/lang/Thread$UncaughtExceptionHandler");
    if (!handlerType) return {};
    call.uncaughtException = env->GetMethodID(handlerType, "uncaughtException",
                                              "(Ljava/lang/Thread;Ljava/lang/Throwable;)V");
    if (!call.uncaughtException) return {};
    return call;
}

// The text a no-argument String method of target returns, or "".
std::string callStringMethod(JNIEnv* env, jobject target, const char* typeName,
                             const char* methodName) {
    jclass type = env->FindClass(typeName);
    if (!type) return "";
    jmethodID method = env->GetMethodID(type, methodName, "()Ljava/lang/String;");
    if (!method) return "";
    auto text = static_cast<jstring>(env->CallObjectMethod(target, method));
    if (!text || env->ExceptionCheck()) return "";
    const char* characters = env->GetStringUTFChars(text, nullptr);
    if (!characters) return "";
    std::string result = characters;
    env->ReleaseStringUTFChars(text, characters);
    return result;
}

// The pending exception came from the handler itself: say so in the Java
// launcher's words, with the exception's class and the thread's name.
void reportHandlerFailure(JNIEnv* env, jobject thread) {
    jthrowable thrown = env->ExceptionOccurred();
    env->ExceptionClear();
    std::string type =
        callStringMethod(env, env->GetObjectClass(thrown), "java/lang/Class", "getName");
    env->ExceptionClear();
    std::string name = callStringMethod(env, thread, "java/lang/Thread", "getName");
    env->ExceptionClear();
    std::cerr << "\nException: " << type << " thrown from the UncaughtExceptionHandler in thread \""
              << name << "\"" << std::endl;
}

}  // namespace

bool isPublic(JNIEnv* env, jclass type, jmethodID method) {
    const jint PUBLIC = 0x0001;  // java.lang.reflect.Modifier.PUBLIC
    jobject reflected = env->ToReflectedMethod(type, method, JNI_TRUE);
    if (!reflected) return false;
    jclass methodType = env->FindClass("java/lang/reflect/Method");
    if (!methodType) return false;
    jmethodID getModifiers = env->GetMethodID(methodType, "getModifiers", "()I");
    if (!getModifiers) return false;
    jint modifiers = env->CallIntMethod(reflected, getModifiers);
    return !env->ExceptionCheck() && (modifiers & PUBLIC) != 0;
}

jstring newString(JNIEnv* env, const std::string& text) {
    std::u16string utf16 = text::decodeUtf8(text);
    std::vector<jchar> characters(utf16.begin(), utf16.end());
    return env->NewString(characters.data(), static_cast<jsize>(characters.size()));
}

jobjectArray newStringArray(JNIEnv* env, const std::vector<std::string>& texts) {
    jclass stringType = env->FindClass("java/lang/String");
    if (!stringType) return nullptr;
    jobjectArray array = env->NewObjectArray(static_cast<jsize>(texts.size()), stringType, nullptr);
    if (!array) return nullptr;
    PlatformStrings strings(env);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        jstring element = strings.make(texts[i]);
        if (!element) return nullptr;
        env->SetObjectArrayElement(array, static_cast<jsize>(i), element);
        // Long command lines must not exhaust the thread's local references.
        env->DeleteLocalRef(element);
    }
    return array;
}

bool callMain(JNIEnv* env, jclass mainType, jmethodID main,
              const std::vector<std::string>& arguments) {
    jobjectArray array = newStringArray(env, arguments);
    if (array) env->CallStaticVoidMethod(mainType, main, array);
    if (!env->ExceptionOccurred()) return true;
    dispatchUncaughtException(env);
    return false;
}

void dispatchUncaughtException(JNIEnv* env) {
    jthrowable problem = env->ExceptionOccurred();
    if (!problem) return;
    env->ExceptionClear();
    HandlerCall call = findHandler(env);
    if (!call.uncaughtException) {
        env->ExceptionClear();
        env->Throw(problem);
        env->ExceptionDescribe();
    } else {
        env->CallVoidMethod(call.handler, call.uncaughtException, call.thread, problem);
        if (env->ExceptionCheck()) reportHandlerFailure(env, call.thread);
    }
    env->ExceptionClear();
}

}  // namespace mirobanth::managed::java_bridge
