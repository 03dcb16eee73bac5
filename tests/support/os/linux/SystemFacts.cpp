#include "SystemFacts.h"

namespace mirobanth::test::facts {

std::string pathListSeparator() { return ":"; }

std::string nativeLookAndFeel() { return "com.sun.java.swing.plaf.gtk.GTKLookAndFeel"; }

std::vector<std::string> javaHomeLayouts() {
    return {"/lib/server/libjvm.so", "/jre/lib/amd64/server/libjvm.so",
            "/lib/amd64/server/libjvm.so", "/jre/lib/server/libjvm.so"};
}

std::string vmLibraryFileName() { return "libjvm.so"; }

// Without a display the alert is written to standard error.
std::string alertTrace(const std::string& title, const std::string& message) {
    return title + " Alert: " + message + "\n";
}

}  // namespace mirobanth::test::facts
