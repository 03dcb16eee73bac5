#include <mirobanth/application/platform/PlatformWindows.h>
#include <mirobanth/core/Console.h>

#include <windows.h>

#include "JavaHome.h"
#include "OperatingSystem.h"
#include "Text.h"
#include "platform/DialogTexts.h"
#include "platform/os/windows/Win32RegistryReader.h"
#include "platform/portable/CommandLineSplitter.h"
#include "platform/portable/JavaRegistryLookup.h"

namespace mirobanth::application {

using core::Console;

PlatformWindows::~PlatformWindows() = default;

void PlatformWindows::sleepNow(int milliseconds) {
    Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0);
}

std::string PlatformWindows::getPlatformName() { return "Windows"; }

// Every call walks the registry again and shows its one problem again.
std::string PlatformWindows::getRuntimeLibrary() {
    Win32RegistryReader registry;
    java_registry::Outcome outcome = java_registry::findRuntimeLibrary(registry);
    if (!outcome.problem.empty()) reportInstallationProblem(outcome.problem);
    return outcome.library;
}

std::string PlatformWindows::getPathSeparator() { return os::PATH_LIST_SEPARATOR; }

std::string PlatformWindows::getPlatformInfo() { return "<Unknown>"; }

std::string PlatformWindows::getPlatformDetail() { return "Unknown"; }

void PlatformWindows::alert(std::string title, std::string message) {
    MessageBoxA(nullptr, (message + dialog_texts::ALERT_TEXT_TAIL).c_str(),
                (title + dialog_texts::ALERT_CAPTION_SUFFIX).c_str(), 0);
}

// The question asked is never shown: the box always asks the fixed text.
bool PlatformWindows::choice(std::string) {
    int answer = MessageBoxW(nullptr, text::widen(dialog_texts::CHOICE_TEXT).c_str(),
                             text::widen(dialog_texts::CHOICE_CAPTION).c_str(), CHOICE_BOX_TYPE);
    return answer == IDRETRY;
}

// The version is the registry key's; the home, where the library lies in a
// known layout, lets the message name the installation.
std::vector<JavaRuntime> PlatformWindows::findJavaRuntimes() {
    Win32RegistryReader registry;
    std::vector<JavaRuntime> runtimes;
    for (const java_registry::Outcome& found : java_registry::findRuntimeLibraries(registry)) {
        std::string home = os::javaHomeOfLibrary(remove(found.library, "\""), os::System::Windows);
        runtimes.push_back({found.library, home, found.version});
    }
    return runtimes;
}

std::string PlatformWindows::quoteForShell(const std::string& text) {
    // The command interpreter keeps a double-quoted text together.
    return "\"" + text + "\"";
}

void PlatformWindows::convert1(char*, int*, int*) {
    Console::notImplemented("PlatformWindows::convert1");
}

void PlatformWindows::convert2(wchar_t*, int, char**) {}

void PlatformWindows::convert3(char* commandLine, int& argc, char**& argv) {
    // One buffer for the process: the path outlives every call, and every
    // call finds the same program.
    static char programPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, programPath, MAX_PATH);
    argv = command_line::split(commandLine, programPath, argc);
}

void PlatformWindows::system(char* application, char* commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(application, commandLine, nullptr, nullptr, FALSE,
                        CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process))
        return;  // nothing started: no handle to wait on or close
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace mirobanth::application
