#include <mirobanth/core/Console.h>

#include <clocale>
#include <cstdlib>
#include <iostream>

#include "OperatingSystem.h"

namespace mirobanth::core {

namespace {

bool silent = false;
bool quiet = false;
bool verbose = true;
bool stacktrace = false;
bool commentMode = false;
std::string commentPrefix = "#";
std::string companyName = "Mirobanth";
std::string executableName = "UNDEFINED";
const char* const VERSION = "1.0";

// Declared process state; nothing reads or changes these yet.
[[maybe_unused]] bool consoleApplication = true;
[[maybe_unused]] bool systemCalls = true;
[[maybe_unused]] bool consoleDate = false;
[[maybe_unused]] bool redirectStdErr = false;

std::string tagged(const Name* source, const std::string& text) {
    return source->getName() + ": " + text;
}

}  // namespace

Console::Console() : Name("Console") {}

Console::~Console() { finalizeEvent(this); }

void Console::info(const std::string& text) {
    if (silent || quiet) return;
    std::cout << text << std::endl;
}

void Console::warn(const std::string& text) {
    if (silent) return;
    std::cerr << text << std::endl;
}

void Console::info(const Name* source, const std::string& text) {
    if (silent || quiet) return;
    info(tagged(source, text));
}

void Console::warn(const Name* source, const std::string& text) {
    if (silent) return;
    warn(tagged(source, text));
}

void Console::notImplemented() { warn("Function not implemented"); }

void Console::notImplemented(const std::string& text) { warn("Function not implemented: " + text); }

void Console::notImplemented(const Name* source, const std::string& text) {
    if (silent) return;
    warn("Function not implemented: " + source->getName() + "#" + text);
}

void Console::initEvent(const Name* source) { info(source, "<INIT>"); }

void Console::initEvent(const Name* source, const std::string& detail) {
    info(source, "<INIT> " + detail);
}

void Console::finalizeEvent(const Name* source) {
    if (!verbose) return;
    info(source, "<FINALIZE>");
}

void Console::splash(std::string name, std::string host, std::string user, std::string stamp) {
    std::cout << "Mirobanth " << name << " running on " << host << " in userspace <" << user << ">"
              << std::endl;
    std::cout << stamp << std::endl;
}

void Console::fatal(const std::string& text) {
    std::cerr << "FATAL ERROR, EXITING..." << std::endl;
    std::cerr << text << std::endl;
    std::exit(1);
}

void Console::fatal(const std::string& text, const std::exception& exception) {
    warn(exception.what());
    fatal(text);
}

void Console::fatal(const Name* source, const std::string& text) {
    warn(source, text);
    fatal(text);
}

void Console::fatal(const Name* source, const std::string& text, const std::exception& exception) {
    warn(source, exception.what());
    fatal(text);
}

void Console::enableSilent(bool on) { silent = on; }
bool Console::isSilent() { return silent; }
void Console::enableQuiet(bool on) { quiet = on; }
bool Console::isQuiet() { return quiet; }
void Console::enableVerbose(bool on) { verbose = on; }
bool Console::isVerbose() { return verbose; }
void Console::enableStacktrace(bool on) { stacktrace = on; }
bool Console::isStacktraceEnabled() { return stacktrace; }
void Console::enableCommentMode(bool on) { commentMode = on; }
bool Console::isCommentMode() { return commentMode; }
void Console::setCommentPrefix(std::string prefix) { commentPrefix = std::move(prefix); }
std::string Console::getCommentPrefix() { return commentPrefix; }
void Console::setCompanyName(std::string name) { companyName = std::move(name); }
std::string Console::getCompanyName() { return companyName; }
void Console::setExecutableName(std::string name) { executableName = std::move(name); }
std::string Console::getExecutableName() { return executableName; }

const char* Console::getVersion() const { return VERSION; }

void Console::clear() {
    // The exit status of the clearing command tells nothing worth acting on.
    [[maybe_unused]] int ignored = std::system(os::clearScreenCommand());
}

void Console::slow() {
    // A deliberate busy delay; volatile keeps the optimiser from removing it.
    for (volatile long long i = 0; i <= 1000000000LL; i = i + 1) {
    }
}

void Console::setLocale() { std::setlocale(LC_CTYPE, ""); }

void Console::execute(const std::string& command) { execute(command, "<NONE>"); }

void Console::execute(const std::string& command, const std::string& target) {
    info("CALL: " + command + "@" + target);
}

void Console::test() {
    info("Console: Information - This is a Console system test.");
    warn("Console: Warning - This is a Console system test.");
    execute("dir");
    try {
        throw std::exception();
    } catch (const std::exception& e) {
        warn(e.what());
        return;
    }
    fatal("Console: never happens");
}

}  // namespace mirobanth::core
