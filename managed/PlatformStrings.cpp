#include "PlatformStrings.h"

#include <algorithm>

#include "JavaBridge.h"

namespace mirobanth::managed::java_bridge {

namespace {

bool isAscii(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The text of a Java string, "" for none.
std::string utfText(JNIEnv* env, jstring text) {
    if (!text) return "";
    const char* characters = env->GetStringUTFChars(text, nullptr);
    if (!characters) return "";
    std::string result = characters;
    env->ReleaseStringUTFChars(text, characters);
    return result;
}

jstring systemProperty(JNIEnv* env, const char* name) {
    jclass system = env->FindClass("java/lang/System");
    if (!system) return nullptr;
    jmethodID getProperty =
        env->GetStaticMethodID(system, "getProperty", "(Ljava/lang/String;)Ljava/lang/String;");
    jstring key = getProperty ? env->NewStringUTF(name) : nullptr;
    if (!key) return nullptr;
    return static_cast<jstring>(env->CallStaticObjectMethod(system, getProperty, key));
}

// Charset.forName(name); null when the VM has no such charset.
jobject charsetNamed(JNIEnv* env, jstring name) {
    jclass type = env->FindClass("java/nio/charset/Charset");
    if (!type) return nullptr;
    jmethodID forName =
        env->GetStaticMethodID(type, "forName", "(Ljava/lang/String;)Ljava/nio/charset/Charset;");
    return forName ? env->CallStaticObjectMethod(type, forName, name) : nullptr;
}

std::string canonicalName(JNIEnv* env, jobject charset) {
    jclass type = env->GetObjectClass(charset);
    jmethodID name = env->GetMethodID(type, "name", "()Ljava/lang/String;");
    return name ? utfText(env, static_cast<jstring>(env->CallObjectMethod(charset, name))) : "";
}

}  // namespace

jstring PlatformStrings::make(const std::string& bytes) {
    jobject decoding = isAscii(bytes) ? nullptr : platformCharset();
    return decoding ? decoded(bytes, decoding) : newString(env, bytes);
}

// UTF-8 is decoded here as Java decodes it, without a call into the VM for
// each argument. So are the bytes in the C and POSIX locales, whose charset is
// ASCII: there Java would name no file beyond ASCII at all, while the bytes
// are most likely UTF-8, as the launcher has always read them. A charset the
// VM cannot look up (nothing is then known of it) leaves UTF-8 too.
jobject PlatformStrings::platformCharset() {
    if (asked) return charset;
    asked = true;
    jstring name = systemProperty(env, "sun.jnu.encoding");
    if (name && !env->ExceptionCheck() && utfText(env, name) != "UTF-8") {
        jobject named = charsetNamed(env, name);
        if (named && !env->ExceptionCheck()) {
            const std::string canonical = canonicalName(env, named);
            if (canonical != "UTF-8" && canonical != "US-ASCII") charset = named;
        }
    }
    if (env->ExceptionCheck()) env->ExceptionClear();
    return charset;
}

// new String(bytes, charset), exactly Java's decoding.
jstring PlatformStrings::decoded(const std::string& bytes, jobject decoding) {
    if (!decodingConstructor) {
        stringType = env->FindClass("java/lang/String");
        if (!stringType) return nullptr;
        decodingConstructor =
            env->GetMethodID(stringType, "<init>", "([BLjava/nio/charset/Charset;)V");
        if (!decodingConstructor) return nullptr;
    }
    const auto length = static_cast<jsize>(bytes.size());
    jbyteArray array = env->NewByteArray(length);
    if (!array) return nullptr;
    env->SetByteArrayRegion(array, 0, length, reinterpret_cast<const jbyte*>(bytes.data()));
    auto made =
        static_cast<jstring>(env->NewObject(stringType, decodingConstructor, array, decoding));
    env->DeleteLocalRef(array);
    return made;
}

}  // namespace mirobanth::managed::java_bridge
