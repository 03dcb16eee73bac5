#include "SystemFacts.h"

#include <windows.h>

namespace mirobanth::test::facts {

std::string pathListSeparator() { return ";"; }

std::string directorySeparator() { return "\\"; }

std::string nativeLookAndFeel() { return "com.sun.java.swing.plaf.windows.WindowsLookAndFeel"; }

std::string nativeLookAndFeelWithDisplay() { return nativeLookAndFeel(); }

std::vector<std::string> javaHomeLayouts() {
    return {"/jre/bin/client/jvm.dll", "/jre/bin/server/jvm.dll", "/bin/server/jvm.dll",
            "/bin/client/jvm.dll"};
}

std::string bundledVMLibrary() { return "runtime\\bin\\server\\jvm.dll"; }

std::string userConfigVariable() { return "APPDATA"; }
std::string userCacheVariable() { return "LOCALAPPDATA"; }

std::string vmLibraryFileName() { return "jvm.dll"; }

// The system's own text for an error code, as the launcher reports it.
std::string systemMessage(DWORD code) {
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

std::string missingLibraryReason(const std::string&) { return systemMessage(ERROR_MOD_NOT_FOUND); }

std::string notALibraryReason(const std::string&) { return systemMessage(ERROR_BAD_EXE_FORMAT); }

// The alert is a message box, which cannot be shown without a display: it
// leaves no trace on the console.
std::string alertTrace(const std::string&, const std::string&) { return ""; }

}  // namespace mirobanth::test::facts
