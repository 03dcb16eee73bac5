#include "managed/JavaPlatformTexts.h"

namespace mirobanth::managed {

JavaPlatformTexts hostJavaPlatformTexts() { return windowsJavaPlatformTexts(); }

}  // namespace mirobanth::managed
