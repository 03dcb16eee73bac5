#pragma once

#include <mirobanth/application/platform/Platform.h>

#include <string>
#include <vector>

namespace mirobanth::application {

// The platform of Windows on the Win32 API: the Java runtime from the
// registry, modal message boxes, real sleeping, and the static command-line
// and program operations that hosts of the library use.
class MIROBANTH_APPLICATION_API PlatformWindows : public Platform {
public:
    PlatformWindows() = default;
    ~PlatformWindows() override;

    void sleepNow(int milliseconds) override;
    std::string getPlatformName() override;
    std::string getRuntimeLibrary() override;
    std::string getPathSeparator() override;
    std::string getPlatformInfo() override;
    std::string getPlatformDetail() override;
    using Platform::alert;
    void alert(std::string title, std::string message) override;
    bool choice(std::string question) override;
    std::string quoteForShell(const std::string& text) override;
    std::vector<JavaRuntime> findJavaRuntimes() override;

    // Only reports that it is not implemented.
    static void convert1(char* text, int* first, int* second);
    // Does nothing.
    static void convert2(wchar_t* text, int count, char** vector);
    // Splits commandLine in place at blanks into a malloc'ed vector whose
    // element 0 is the running program's full path (kept valid after the
    // call); the caller frees the vector, the other elements point into
    // commandLine. No quoting, no terminating null entry.
    static void convert3(char* commandLine, int& argc, char**& argv);
    // Starts the program and waits for it to end; reports nothing.
    static void system(char* application, char* commandLine);

    // The retry question's message box type: Retry and Cancel, the warning
    // icon, Cancel as the default.
    static constexpr unsigned CHOICE_BOX_TYPE = 0x135;
};

}  // namespace mirobanth::application
