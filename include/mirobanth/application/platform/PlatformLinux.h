#pragma once

#include <mirobanth/application/platform/Platform.h>

#include <string>
#include <vector>

namespace mirobanth::application {

// The platform of a Linux desktop or server: the Java runtime is looked up
// on the search path and under /usr/lib/jvm, dialogs go to a dialog program
// when there is a display and to the terminal when there is none or it does
// not answer.
class MIROBANTH_APPLICATION_API PlatformLinux : public Platform {
public:
    // systemRoot is where the system folders are looked up ("/" but in tests).
    explicit PlatformLinux(std::string systemRoot = "/");
    ~PlatformLinux() override;

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

    // What the user sees when no Java runtime was found: where the lookup
    // went and what puts a runtime there.
    static constexpr const char* RUNTIME_NOT_FOUND =
        "Java Runtime Not Found - No Java installed ?\n"
        "Looked for java on PATH, in /usr/lib/jvm/default-java and in /usr/lib/jvm.\n"
        "Install a Java runtime (such as Debian's default-jre) or set JAVA_HOME to one.";

private:
    std::string systemRoot;
};

}  // namespace mirobanth::application
