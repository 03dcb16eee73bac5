#include <mirobanth/application/Application.h>
#include <mirobanth/application/ApplicationDelegate.h>
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/application/platform/PlatformFactory.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "ArgumentVector.h"
#include "OperatingSystem.h"
#include "ProcessPlatform.h"
#include "VendorAddresses.h"

namespace mirobanth::application {

using core::Console;

const std::int32_t Application::NORMAL = 1;
const std::int32_t Application::EMBEDDED = 0;
std::string Application::NAME = "Application";
bool Application::firstApplicationRunningInConsole = true;

namespace {

// Whether the path list holds entry as one of its entries.
bool holdsEntry(const std::string& pathList, const std::string& entry,
                const std::string& separator) {
    const std::vector<std::string> entries = os::pathListEntries(pathList, separator);
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

}  // namespace

std::shared_ptr<Platform> processPlatform() {
    static const auto* const platform = new std::shared_ptr<Platform>(createPlatform());
    return *platform;
}

Application::Application(std::string name, int argc, char** argv)
    : Application(std::move(name), argc, argv, nullptr) {}

Application::Application(std::string name, int argc, char** argv, ApplicationDelegate* delegate)
    : Name(name),
      applicationName(name),
      version("0.0"),
      company("Mirobanth_SDK"),
      website(core::STATIC_CONTENT_BASE_URL) {
    init(std::move(name), argc, argv, delegate);
}

Application::Application(const Application& other) = default;

Application& Application::operator=(const Application& other) = default;

Application::~Application() { Console::finalizeEvent(this); }

void Application::init(std::string name, int argc, char** argv, ApplicationDelegate* newDelegate) {
    delegate = newDelegate;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    launchTime[0] = launchTime[1] = 0;
    mode = NORMAL;
    setName(name);
    if (os::environmentValue("MIROBANTH_SILENT")) Console::enableSilent(true);
    if (!Console::isSilent() && !Console::isQuiet())
        Console::splash(getName(), cpuId(), user(), date());
    if (!firstApplicationRunningInConsole) runningInConsole = false;
    processArguments(argc, argv);
    checkSystem();
    platform = processPlatform();
    if (os::environmentValue("MIROBANTH")) {
        Console::info(this, "Verbose mode (tracking finalizers)");
        Console::enableVerbose(true);
    }
    extendSearchPath();
    if (delegate) {
        delegate->applicationInitEvent(this);
    } else {
        Console::info(this, "No delegate used");
    }
}

// Puts the product's system/ folder at the end of PATH, found beside this
// library: a relative entry would let the working directory plant native
// libraries, so a folder that would give one is not added. An unset or empty
// PATH gets no leading separator: an empty entry would put the current folder
// on the search path. The entry goes in once per process, however many
// applications a host creates. Where the process searches DLLs without PATH
// (the launchers on Windows), the folder joins that search too.
void Application::extendSearchPath() {
    const std::string separator = platform->getPathSeparator();
    std::string path = os::environmentValue("PATH").value_or("");
    const std::string problem = os::pathListProblem(os::productFolder(), separator);
    const std::string entry = os::productSystemFolder();
    if (!problem.empty()) {
        Console::warn(this, "PATH not extended: " + problem);
    } else {
        if (!holdsEntry(path, entry, separator)) {
            if (!path.empty()) path += separator;
            path += entry;
            os::setEnvironmentValue("PATH", path);
        }
        os::addLibraryFolder(entry);
    }
    Console::info(this, "PATH=" + path);
}

void Application::processArguments(int argc, char** argv) {
    for (int i = 0; i < core::argumentCount(argc, argv); ++i) {
        if (Console::isSilent() || Console::isQuiet()) continue;
        std::cout << getApplicationName() << ": Argument " << i << " = "
                  << core::argumentAt(argv, i) << std::endl;
    }
}

void Application::checkSystem() {}

void Application::activate() {}

const std::string& Application::getApplicationName() const { return applicationName; }

std::string Application::getApplicationData(std::string key) {
    if (key.empty()) Console::warn(this, "ERROR");
    return "undefined";
}

const std::string& Application::getVersion() const { return version; }
const std::string& Application::getBuild() const { return build; }
const std::string& Application::getCompany() const { return company; }
const std::string& Application::getWebsite() const { return website; }

void Application::setCompany(std::string newCompany) {
    firePropertyChange("company", company, newCompany);
    company = std::move(newCompany);
}

int Application::getExitValue() {
    if (delegate) delegate->exitValueEvent(this);
    return exitValue;
}

void Application::setExitValue(int value) {
    int old = exitValue;
    exitValue = value;
    firePropertyChange("exitValue", old, value);
}

bool Application::isRunningInConsole() const { return runningInConsole; }

void Application::setRunningInConsole(bool running) {
    bool old = runningInConsole;
    runningInConsole = running;
    firePropertyChange("runningInConsole", old, running);
}

bool Application::isDaemon() const { return daemon; }
void Application::setDaemon(bool value) { daemon = value; }
Platform* Application::getPlatform() const { return platform.get(); }

void Application::attatchConsole(Console* console) {
    if (!console) Console::warn(this, "Console is NULL");
    Console::notImplemented("attatchConsole");
}

void Application::notImplemented(std::string what) { Console::notImplemented(what); }

void Application::test() {
    Console::warn(this, "TESTING");
    Console::warn(this, "name=" + getName());
    Console::warn(this, "tostring=" + toString());
    Console::warn(this, "applicationname=" + getApplicationName());
}

void Application::firePropertyChange(std::string name, bool oldValue, bool newValue) {
    if (oldValue == newValue) Console::warn(this, name + ": value has not changed");
}

void Application::firePropertyChange(std::string name, int oldValue, int newValue) {
    if (oldValue == newValue) Console::warn(this, name + ": value has not changed");
}

void Application::firePropertyChange(std::string name, std::string oldValue, std::string newValue) {
    if (oldValue == newValue) Console::warn(this, name + ": value has not changed");
}

bool Application::isConsoleMode() { return false; }

void Application::setConsoleMode(bool) { Console::notImplemented("setConsoleMode"); }

bool Application::isFirstApplicationRunningInConsole() { return firstApplicationRunningInConsole; }

std::string Application::cpuId() {
    if (auto architecture = os::environmentValue("PROCESSOR_ARCHITECTURE")) return *architecture;
    std::string machine = os::machineArchitecture();
    return machine.empty() ? "Unknown" : machine;
}

std::string Application::user() {
    auto name = os::environmentValue("USERNAME");
    if (!name) name = os::environmentValue("USER");
    return name.value_or("Unknown");
}

std::string Application::date() {
    std::time_t now = std::time(nullptr);
    std::string text = std::asctime(std::localtime(&now));
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::string Application::lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool Application::getBoolean(const char* variable) {
    if (!variable) return false;
    return os::environmentValue(variable) == std::optional<std::string>("true");
}

bool Application::fileExists(std::string path) { return os::isReadableFile(path); }

}  // namespace mirobanth::application
