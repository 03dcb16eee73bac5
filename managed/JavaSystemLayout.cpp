#include "JavaSystemLayout.h"

#include "JavaHome.h"
#include "OperatingSystem.h"

namespace mirobanth::managed {

namespace {

// A system's separators and its runtime image's VM library, as the seam knows them.
JavaSystemLayout withSeparators(os::System system) {
    JavaSystemLayout layout;
    layout.pathListSeparator = os::pathListSeparator(system);
    layout.directorySeparator = os::directorySeparator(system);
    layout.runtimeImageVMLibrary = os::runtimeVMLibrary(system, layout.directorySeparator);
    return layout;
}

}  // namespace

JavaSystemLayout windowsJavaLayout() {
    JavaSystemLayout layout = withSeparators(os::System::Windows);
    layout.nativeLookAndFeelClass = "com.sun.java.swing.plaf.windows.WindowsLookAndFeel";
    layout.javaLauncher = "bin\\java.exe";
    return layout;
}

// A Linux VM reads ";" as part of a file name and cannot load the Windows
// look and feel, so the layout changes.
JavaSystemLayout linuxJavaLayout(bool displayAvailable) {
    JavaSystemLayout layout = withSeparators(os::System::Linux);
    layout.nativeLookAndFeelClass = displayAvailable ? "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"
                                                     : "javax.swing.plaf.metal.MetalLookAndFeel";
    layout.runtimeExample = " (such as Debian's openjdk-<N>-jre)";
    layout.javaLauncher = "bin/java";
    return layout;
}

JavaSystemLayout hostJavaLayout() {
    return os::hostSystem() == os::System::Windows ? windowsJavaLayout()
                                                   : linuxJavaLayout(os::hasDisplay());
}

}  // namespace mirobanth::managed
