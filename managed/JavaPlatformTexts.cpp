#include "JavaPlatformTexts.h"

#include "OperatingSystem.h"

namespace mirobanth::managed {

JavaPlatformTexts windowsJavaPlatformTexts() {
    return {";",
            "\\",
            "com.sun.java.swing.plaf.windows.WindowsLookAndFeel",
            "bin\\server\\jvm.dll",
            "",
            "bin\\java.exe"};
}

// A Linux VM reads ";" as part of a file name and cannot load the Windows
// look and feel, so the texts change.
JavaPlatformTexts linuxJavaPlatformTexts(bool displayAvailable) {
    return {":",
            "/",
            displayAvailable ? "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"
                             : "javax.swing.plaf.metal.MetalLookAndFeel",
            "lib/server/libjvm.so",
            " (such as Debian's openjdk-<N>-jre)",
            "bin/java"};
}

JavaPlatformTexts hostJavaPlatformTexts() {
    return os::hostSystem() == os::System::Windows ? windowsJavaPlatformTexts()
                                                   : linuxJavaPlatformTexts(os::hasDisplay());
}

}  // namespace mirobanth::managed
