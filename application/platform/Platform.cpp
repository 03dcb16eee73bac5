#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>

#include <cstdlib>

#include "OperatingSystem.h"
#include "platform/DialogTexts.h"
#include "platform/PatternRemoval.h"

namespace mirobanth::application {

using core::Console;

Platform::~Platform() = default;

void Platform::sleepNow(int milliseconds) {
    if (milliseconds <= 0) Console::warn("sleepNow value <= 0");
    Console::notImplemented("sleepNow");
}

std::string Platform::getLibrary(std::string variable, std::string suffix) {
    // A variable defined as the empty text still counts: its value is "".
    auto value = os::environmentValue(variable.c_str());
    if (!value) {
        Console::warn("Environment variable not defined " + variable);
        return "";
    }
    return *value + suffix;
}

Network* Platform::getNetwork() { return new Network(); }

void Platform::connect(std::string url) { Console::info("Connecting to " + url); }

std::string Platform::download(std::string) {
    Console::notImplemented("download");
    return "";
}

void Platform::alert(std::string, std::string) { Console::notImplemented("alert"); }

void Platform::alert(std::string) { Console::notImplemented("alert"); }

bool Platform::choice(std::string) {
    Console::notImplemented("choice");
    return false;
}

std::string Platform::prompt(std::string, std::string) {
    Console::notImplemented("prompt");
    return "";
}

void Platform::status(std::string) { Console::notImplemented("status"); }

void Platform::clear() { Console::clear(); }

// Without a command interpreter of its own, nothing needs quoting.
std::string Platform::quoteForShell(const std::string& text) { return text; }

std::vector<JavaRuntime> Platform::findJavaRuntimes() { return {}; }

std::string Platform::trim(std::string text) { return remove(text, " "); }

std::string Platform::remove(std::string text, std::string pattern) {
    return removeOccurrences(std::move(text), pattern);
}

std::string Platform::getRelativePath(std::string, std::string) { return ""; }

std::map<std::string, std::string> Platform::list(std::string text) {
    if (text.empty()) Console::warn("list argument has length == 0");
    return {};
}

std::string Platform::hash(std::string) {
    Console::notImplemented("hash");
    return "";
}

void Platform::test() {
    Console::info("+ PLATFORM TESTING");
    Console::info("+" + getPlatformName());
    Console::info("+" + getRuntimeLibrary());
    Console::info("+" + getPathSeparator());
}

void Platform::reportInstallationProblem(const std::string& detail) {
    alert("Mirobanth Runtime", "Installation problem:\n" + detail + dialog_texts::ALERT_TEXT_TAIL);
    // Written after the alert was answered, so the line follows what the user saw.
    Console::warn(detail);
}

}  // namespace mirobanth::application
