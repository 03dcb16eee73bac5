// The seam on Linux (and other systems with dlopen and POSIX calls).
#include "OperatingSystem.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace mirobanth::os {

const char* const PATH_LIST_SEPARATOR = pathListSeparator(System::Linux);
const char* const DIRECTORY_SEPARATOR = directorySeparator(System::Linux);

System hostSystem() { return System::Linux; }

void setEnvironmentValue(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

bool hasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        auto value = environmentValue(variable);
        if (value && !value->empty()) return true;
    }
    return false;
}

namespace {

// The loader names a library as it was found; a host that loaded it by a
// relative path leaves a relative name, which is made absolute here.
std::string absoluteFileName(const char* loadedName) {
    if (loadedName[0] == '/') return loadedName;
    char resolved[PATH_MAX];
    return realpath(loadedName, resolved) ? resolved : "";
}

std::string lastLoaderError() {
    const char* error = dlerror();
    return error ? error : "unknown error";
}

}  // namespace

std::string moduleFolder(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname || !info.dli_fname[0]) return "";
    std::string file = absoluteFileName(info.dli_fname);
    std::string::size_type slash = file.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : file.substr(0, slash);
}

// The kernel's link names the program's file itself, whatever link the
// program was started through.
std::string executablePath() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "" : program.string();
}

// A relative XDG_CONFIG_HOME is not to be used, as the XDG base directory
// rules say; the home folder's .config takes its place.
std::string userConfigFolder() {
    auto isAbsolute = [](const std::optional<std::string>& path) {
        return path && !path->empty() && path->front() == '/';
    };
    auto configured = environmentValue("XDG_CONFIG_HOME");
    if (isAbsolute(configured)) return *configured;
    auto home = environmentValue("HOME");
    return isAbsolute(home) ? *home + "/.config" : "";
}

// As for XDG_CONFIG_HOME, a relative XDG_CACHE_HOME is not to be used.
std::string userCacheFolder() {
    auto configured = environmentValue("XDG_CACHE_HOME");
    if (configured && !configured->empty() && configured->front() == '/') return *configured;
    auto home = environmentValue("HOME");
    return home && !home->empty() && home->front() == '/' ? *home + "/.cache" : "";
}

unsigned long processId() { return static_cast<unsigned long>(getpid()); }

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool isReadableFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return std::ifstream(path).is_open();
}

std::string machineArchitecture() {
    utsname system{};
    if (uname(&system) != 0) return "";
    return system.machine;
}

int runCommandLine(const std::string& command) { return std::system(command.c_str()); }

int runProgramLogged(const std::vector<std::string>& arguments, const std::string& outputFile) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    const bool started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (!started || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const char* clearScreenCommand() { return "clear"; }

void ignoreBrokenPipe() { std::signal(SIGPIPE, SIG_IGN); }

// dlopen takes a bare name only from the folders that the system and
// LD_LIBRARY_PATH name: there is nothing to restrict.
void restrictLibrarySearch() {}
void addLibraryFolder(const std::string&) {}

namespace {

void* runWork(void* work) {
    (*static_cast<const std::function<void()>*>(work))();
    return nullptr;
}

}  // namespace

// The pages of a thread's stack are mapped on first use, as those of the
// first thread are: a large stack costs address space only.
bool runOnNewThread(std::size_t stackSize, const std::function<void()>& work) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return false;
    pthread_t thread;
    const bool created = pthread_attr_setstacksize(&attributes, stackSize) == 0 &&
                         pthread_create(&thread, &attributes, runWork,
                                        const_cast<std::function<void()>*>(&work)) == 0;
    pthread_attr_destroy(&attributes);
    if (created) pthread_join(thread, nullptr);
    return created;
}

// RTLD_GLOBAL: a VM library resolves its companion libraries' symbols
// through the global scope, as the Java launcher loads it.
void* openLibrary(const std::string& path, std::string& reason) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!library) reason = lastLoaderError();
    return library;
}

void* findSymbol(void* library, const char* name, std::string& reason) {
    dlerror();
    void* symbol = dlsym(library, name);
    if (!symbol) reason = lastLoaderError();
    return symbol;
}

void closeLibrary(void* library) noexcept { dlclose(library); }

}  // namespace mirobanth::os
