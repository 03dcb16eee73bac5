#include "SystemFacts.h"

namespace mirobanth::test::facts {

std::string pathListSeparator() { return ":"; }

std::string directorySeparator() { return "/"; }

// GTK needs a display; without one the launcher names Metal.
std::string nativeLookAndFeel() { return "javax.swing.plaf.metal.MetalLookAndFeel"; }

std::string nativeLookAndFeelWithDisplay() { return "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"; }

std::vector<std::string> javaHomeLayouts() {
    return {"/lib/server/libjvm.so", "/jre/lib/amd64/server/libjvm.so",
            "/lib/amd64/server/libjvm.so", "/jre/lib/server/libjvm.so"};
}

std::string bundledVMLibrary() { return "runtime/lib/server/libjvm.so"; }

std::string userConfigVariable() { return "XDG_CONFIG_HOME"; }
std::string userCacheVariable() { return "XDG_CACHE_HOME"; }

std::string vmLibraryFileName() { return "libjvm.so"; }

std::string missingLibraryReason(const std::string& path) {
    return path + ": cannot open shared object file: No such file or directory";
}

std::string notALibraryReason(const std::string& path) { return path + ": file too short"; }

// Without a display the alert is written to standard error.
std::string alertTrace(const std::string& title, const std::string& message) {
    return title + " Alert: " + message + "\n";
}

}  // namespace mirobanth::test::facts
