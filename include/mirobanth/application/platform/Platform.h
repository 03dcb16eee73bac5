#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/application/platform/Network.h>

#include <map>
#include <string>
#include <vector>

namespace mirobanth::application {

// A Java runtime installed on the machine, as the platform's own search
// finds it.
struct JavaRuntime {
    // Its VM library, as found (a registry value may hold quotes).
    std::string library;
    // The installation it belongs to; "" when that cannot be told.
    std::string home;
    // The version it states (its release file, or the registry key it is
    // registered under); "" when it states none.
    std::string version;
};

// How the framework talks to the user and the operating system. The base
// class stands in for a platform without a user interface: most interactive
// operations report that they are not implemented and return a neutral value.
class MIROBANTH_APPLICATION_API Platform {
public:
    Platform() = default;
    Platform(const Platform&) = default;
    Platform& operator=(const Platform&) = default;
    virtual ~Platform();

    virtual void sleepNow(int milliseconds);
    virtual std::string getPlatformName() = 0;
    // Full path of the Java VM shared library, or "" after the user was told
    // what is missing.
    virtual std::string getRuntimeLibrary() = 0;
    virtual std::string getPathSeparator() = 0;
    virtual std::string getPlatformInfo() = 0;
    virtual std::string getPlatformDetail() = 0;
    virtual std::string getLibrary(std::string variable, std::string suffix);
    virtual Network* getNetwork();
    virtual void connect(std::string url);
    virtual std::string download(std::string url);
    virtual void alert(std::string title, std::string message);
    virtual void alert(std::string message);
    virtual bool choice(std::string question);
    virtual std::string prompt(std::string title, std::string message);
    virtual void status(std::string text);
    virtual void clear();
    // The text quoted so that the platform's command interpreter reads it as
    // one word (a program path with blanks).
    virtual std::string quoteForShell(const std::string& text);
    // Every runtime the platform's own search can find, in the order it
    // tries them, each once. It tells the user nothing: the caller picks one
    // and says why when none fits.
    virtual std::vector<JavaRuntime> findJavaRuntimes();

    std::string trim(std::string text);
    std::string remove(std::string text, std::string pattern);
    std::string getRelativePath(std::string from, std::string to);
    std::map<std::string, std::string> list(std::string text);
    std::string hash(std::string text);
    void test();

protected:
    // Shows "Installation problem:\n" + detail in an alert captioned
    // "Mirobanth Runtime", then writes detail alone on standard error.
    void reportInstallationProblem(const std::string& detail);
};

}  // namespace mirobanth::application
