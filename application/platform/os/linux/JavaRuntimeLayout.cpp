#include "application/platform/os/linux/JavaRuntimeLayout.h"

namespace mirobanth::application {

std::vector<std::string> linuxRuntimeLibraryCandidates(const std::string& javaHome) {
    const std::string processor = jdk8ProcessorFolder();
    return {
        javaHome + "/lib/server/libjvm.so",
        javaHome + "/jre/lib/" + processor + "/server/libjvm.so",
        javaHome + "/lib/" + processor + "/server/libjvm.so",
        javaHome + "/jre/lib/server/libjvm.so",
    };
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

}  // namespace mirobanth::application
