#include <cstdlib>

#include "managed/JavaPlatformTexts.h"

namespace mirobanth::managed {

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && value[0];
}

}  // namespace

JavaPlatformTexts hostJavaPlatformTexts() {
    return linuxJavaPlatformTexts(isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"));
}

}  // namespace mirobanth::managed
