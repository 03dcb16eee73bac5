#include "managed/JavaPlatformTexts.h"

namespace mirobanth::managed {

JavaPlatformTexts windowsJavaPlatformTexts() {
    return {";", "com.sun.java.swing.plaf.windows.WindowsLookAndFeel"};
}

// A Linux VM reads ";" as part of a file name and cannot load the Windows
// look and feel, so both texts change.
JavaPlatformTexts linuxJavaPlatformTexts() {
    return {":", "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"};
}

}  // namespace mirobanth::managed
