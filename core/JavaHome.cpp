#include "JavaHome.h"

namespace mirobanth::os {

std::vector<std::string> javaHomeLibraries(const std::string& javaHome, System system) {
    if (system == System::Windows) {
        return {
            javaHome + "/jre/bin/client/jvm.dll",
            javaHome + "/jre/bin/server/jvm.dll",
            javaHome + "/bin/server/jvm.dll",
            javaHome + "/bin/client/jvm.dll",
        };
    }
    const std::string processor = jdk8ProcessorFolder();
    return {
        javaHome + "/lib/server/libjvm.so",
        javaHome + "/jre/lib/" + processor + "/server/libjvm.so",
        javaHome + "/lib/" + processor + "/server/libjvm.so",
        javaHome + "/jre/lib/server/libjvm.so",
    };
}

std::string existingJavaHomeLibrary(const std::string& javaHome, System system) {
    for (const std::string& candidate : javaHomeLibraries(javaHome, system)) {
        if (isReadableFile(candidate)) return candidate;
    }
    return "";
}

// The one place that asks the compiler which processor it builds for.
const char* jdk8ProcessorFolder() {
#if defined(__x86_64__)
    return "amd64";
#elif defined(__i386__)
    return "i386";
#elif defined(__aarch64__)
    return "aarch64";
#elif defined(__arm__)
    return "arm";
#elif defined(__powerpc64__) && defined(__LITTLE_ENDIAN__)
    return "ppc64le";
#elif defined(__powerpc64__)
    return "ppc64";
#elif defined(__s390x__)
    return "s390x";
#else
    return "unknown";
#endif
}

}  // namespace mirobanth::os
