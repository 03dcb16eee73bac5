#include "managed/JavaBridge.h"

#include "managed/Utf8Decoder.h"

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

}  // namespace

jstring newString(JNIEnv* env, const std::string& text) {
    std::u16string utf16 = decodeUtf8(text);
    std::vector<jchar> characters(utf16.begin(), utf16.end());
    return env->NewString(characters.data(), static_cast<jsize>(characters.size()));
}

jobjectArray newStringArray(JNIEnv* env, const std::vector<std::string>& texts) {
    jclass stringType = env->FindClass("java/lang/String");
    if (!stringType) return nullptr;
    jobjectArray array = env->NewObjectArray(static_cast<jsize>(texts.size()), stringType, nullptr);
    if (!array) return nullptr;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        jstring element = newString(env, texts[i]);
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
    }
    // Like the VM, ignore what the handler itself throws.
    env->ExceptionClear();
}

}  // namespace mirobanth::managed::java_bridge
