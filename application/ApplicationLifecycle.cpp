#include <mirobanth/application/Application.h>
#include <mirobanth/application/platform/Platform.h>

#include <cstdlib>
#include <vector>

#include "OperatingSystem.h"
#include "ProcessPlatform.h"

namespace mirobanth::application {

using core::Console;

int Application::launch(Application* application) {
    int value = application->getExitValue();
    delete application;
    return value;
}

int Application::launch(std::string name, int argc, char** argv, ApplicationDelegate* delegate) {
    return launch(new Application(std::move(name), argc, argv, delegate));
}

// The program path is quoted for the command interpreter so that a path with
// blanks still names one program; the arguments go as the caller wrote them.
int Application::relaunch(int, char** argv, std::string arguments) {
    if (!argv || !argv[0]) return 1;
    std::string command = processPlatform()->quoteForShell(argv[0]) + arguments;
    [[maybe_unused]] int ignored = os::runCommandLine(command);
    return 1;
}

void Application::addApplication(Application* application) {
    Console::info(application->getName() + " not added");
}

int Application::removeApplication(Application* application) { return application->getExitValue(); }

void Application::createApplication(std::string name) {
    // The object lives until the process ends; keeping it reachable tells
    // leak checkers that this is on purpose.
    static auto* const created = new std::vector<Application*>();
    char unknown[] = "Unknown";
    char* argv[] = {unknown, nullptr};
    auto* application = new Application(std::move(name), 1, argv);
    created->push_back(application);
    addApplication(application);
}

void Application::signalEvent(int signal) {
    Console::warn("signal");
    Console::warn(signal == 1 ? "SIGNAL1" : "SIGNAL_UNKNOWN");
}

void Application::shutdown() { Console::warn("shutdown"); }

void Application::create() { Console::info(this, "<CREATE>"); }
void Application::start() { Console::info(this, "<START>"); }
void Application::stop() { Console::info(this, "<STOP>"); }
void Application::exit() { Console::info(this, "<EXIT>"); }

void Application::daemonLogic() { Console::notImplemented(); }

void Application::displayLaunchTime() {
    launchTime[0] = launchTime[1] = 0;
    Console::notImplemented();
}

}  // namespace mirobanth::application
