#include "application/platform/os/windows/PlatformWindows.h"

#include <windows.h>

#include "application/platform/DialogTexts.h"
#include "application/platform/os/windows/CommandLineSplitter.h"
#include "application/platform/os/windows/JavaRegistryLookup.h"
#include "application/platform/os/windows/Win32RegistryReader.h"
#include "application/platform/os/windows/Win32Text.h"
#include "core/Console.h"

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

std::string PlatformWindows::getPathSeparator() { return ";"; }

std::string PlatformWindows::getPlatformInfo() { return "<Unknown>"; }

std::string PlatformWindows::getPlatformDetail() { return "Unknown"; }

void PlatformWindows::alert(std::string title, std::string message) {
    MessageBoxA(nullptr, (message + dialog_texts::ALERT_TEXT_TAIL).c_str(),
                (title + dialog_texts::ALERT_CAPTION_SUFFIX).c_str(), 0);
}

// The question asked is never shown: the box always asks the fixed text.
bool PlatformWindows::choice(std::string) {
    int answer = MessageBoxW(nullptr, widen(dialog_texts::CHOICE_TEXT).c_str(),
                             widen(dialog_texts::CHOICE_CAPTION).c_str(), CHOICE_BOX_TYPE);
    return answer == IDRETRY;
}

std::vector<std::string> PlatformWindows::getRuntimeLibraryCandidates(const std::string& javaHome) {
    // The layouts a Windows Java installation has used: the old JRE inside a
    // JDK (client VM before server), then the modular runtime.
    return {
        javaHome + "/jre/bin/client/jvm.dll",
        javaHome + "/jre/bin/server/jvm.dll",
        javaHome + "/bin/server/jvm.dll",
        javaHome + "/bin/client/jvm.dll",
    };
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
