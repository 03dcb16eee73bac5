#include <mirobanth/application/platform/PlatformLinux.h>

#include <chrono>
#include <thread>
#include <utility>

#include "JavaHome.h"
#include "OperatingSystem.h"
#include "platform/DialogTexts.h"
#include "platform/os/linux/ConsoleDialog.h"
#include "platform/os/linux/DialogProgram.h"
#include "platform/os/linux/DisplayProbe.h"
#include "platform/os/linux/JavaRuntimeLocator.h"
#include "platform/os/linux/ProgramRunner.h"

namespace mirobanth::application {

namespace texts = dialog_texts;

namespace {

std::string searchPath() { return os::environmentValue("PATH").value_or(""); }

// PATH as the user gave it, without the product's own system/ folder, which
// the application added: whoever can write there must not choose the VM.
std::string userSearchPath() {
    const std::string productEntry = os::productSystemFolder();
    std::string kept;
    for (const std::string& entry : os::pathListEntries(searchPath())) {
        if (entry != productEntry) kept += (kept.empty() ? "" : os::PATH_LIST_SEPARATOR) + entry;
    }
    return kept;
}

// The dialog program to show a box with, when a display can show one.
std::optional<DialogProgram> dialogProgram() {
    if (!os::hasDisplay()) return std::nullopt;
    return DialogProgram::find(searchPath());
}

// How long a dialog program may run before the session's display servers
// have answered; one that accepts connections and never answers would keep
// the program, and whoever waits for its box, waiting for ever.
constexpr auto DIALOG_SHOW_LIMIT = std::chrono::seconds(5);
constexpr auto DIALOG_WATCH_STEP = std::chrono::milliseconds(20);

// Runs a dialog program and returns its exit status, or nothing when it was
// given up: it still ran when the limit passed without an answer from the
// displays, and was ended. Once they answered, the box waits for the user as
// long as they take.
std::optional<int> runDialog(const std::vector<std::string>& arguments) {
    RunningProgram program(arguments);
    DisplayProbe displays(sessionDisplayServers());
    const auto limit = std::chrono::steady_clock::now() + DIALOG_SHOW_LIMIT;
    while (std::chrono::steady_clock::now() < limit) {
        if (auto status = program.exitStatus()) return status;
        if (displays.answered(DIALOG_WATCH_STEP)) return program.wait();
    }
    program.end();
    return std::nullopt;
}

}  // namespace

PlatformLinux::PlatformLinux(std::string systemRoot) : systemRoot(std::move(systemRoot)) {}

PlatformLinux::~PlatformLinux() = default;

void PlatformLinux::sleepNow(int milliseconds) {
    // As Sleep(0) does on Windows, 0 (and less) gives up the rest of the time slice.
    if (milliseconds <= 0) {
        std::this_thread::yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string PlatformLinux::getPlatformName() { return "Linux"; }

std::string PlatformLinux::getRuntimeLibrary() {
    std::string library = JavaRuntimeLocator(userSearchPath(), systemRoot).find();
    if (library.empty()) reportInstallationProblem(RUNTIME_NOT_FOUND);
    return library;
}

std::string PlatformLinux::getPathSeparator() { return os::PATH_LIST_SEPARATOR; }

std::string PlatformLinux::getPlatformInfo() { return "<Unknown>"; }

std::string PlatformLinux::getPlatformDetail() { return "Unknown"; }

void PlatformLinux::alert(std::string title, std::string message) {
    std::string caption = title + texts::ALERT_CAPTION_SUFFIX;
    if (auto program = dialogProgram()) {
        auto arguments = program->alertArguments(caption, message + texts::ALERT_TEXT_TAIL);
        // OK is the only answer, status 0. Anything else may mean that the box
        // never appeared (the programs answer 1 when they cannot open the
        // display), so the message goes to the terminal too rather than be lost.
        if (runDialog(arguments) == 0) return;
    }
    ConsoleDialog::alert(caption, message);
}

bool PlatformLinux::choice(std::string) {
    // The question is always the fixed one, whatever the caller passed.
    if (auto program = dialogProgram()) {
        auto arguments = program->retryArguments(texts::CHOICE_CAPTION, texts::CHOICE_TEXT);
        if (auto status = runDialog(arguments)) return status == 0;
    }
    return ConsoleDialog::askRetry(texts::CHOICE_CAPTION, texts::CHOICE_TEXT);
}

std::vector<JavaRuntime> PlatformLinux::findJavaRuntimes() {
    std::vector<JavaRuntime> runtimes;
    for (const std::string& library : JavaRuntimeLocator(userSearchPath(), systemRoot).findAll()) {
        std::string home = os::javaHomeOfLibrary(library, os::System::Linux);
        runtimes.push_back({library, home, home.empty() ? "" : os::javaReleaseVersion(home)});
    }
    return runtimes;
}

std::string PlatformLinux::quoteForShell(const std::string& text) {
    // Inside single quotes nothing is special but the quote itself, which is
    // closed, given escaped, and opened again.
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace mirobanth::application
