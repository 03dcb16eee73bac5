#include "SystemFacts.h"

namespace mirobanth::test::facts {

std::string pathListSeparator() { return ";"; }

std::string directorySeparator() { return "\\"; }

std::string nativeLookAndFeel() { return "com.sun.java.swing.plaf.windows.WindowsLookAndFeel"; }

std::vector<std::string> javaHomeLayouts() {
    return {"/jre/bin/client/jvm.dll", "/jre/bin/server/jvm.dll", "/bin/server/jvm.dll",
            "/bin/client/jvm.dll"};
}

std::string vmLibraryFileName() { return "jvm.dll"; }

// The system's own messages for the two errors of LoadLibrary.
std::string missingLibraryReason(const std::string&) {
    return "The specified module could not be found.";
}

std::string notALibraryReason(const std::string&) { return "Bad EXE format for %1."; }

// The generic platform has no dialogs yet.
std::string alertTrace(const std::string&, const std::string&) {
    return "Function not implemented: alert\n";
}

}  // namespace mirobanth::test::facts
