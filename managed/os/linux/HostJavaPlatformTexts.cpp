#include "managed/JavaPlatformTexts.h"

namespace mirobanth::managed {

JavaPlatformTexts hostJavaPlatformTexts() { return linuxJavaPlatformTexts(); }

}  // namespace mirobanth::managed
