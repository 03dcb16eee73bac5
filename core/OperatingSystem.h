#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The one seam between the libraries and the operating system: every
// environment variable, file check, module folder, library load and command
// line goes through here. Pure helpers live in OperatingSystem.cpp; each
// system answers the rest in its own os/<system>/OperatingSystem.cpp, the
// only file a port of this seam writes.
//
// The seam holds no state: only functions and constants. Every library and
// launcher links its own copy, so a variable here would be a different one
// in each of them (the check SeamHoldsNoState fails on one).
namespace mirobanth::os {

// The systems the launcher knows; the separators, Java's files and classes
// differ between them (see the managed library's JavaSystemLayout).
enum class System { Linux, Windows };
// The system this build runs on.
System hostSystem();

// Separates the entries of PATH (and of a Java class path) on system.
constexpr const char* pathListSeparator(System system) {
    return system == System::Windows ? ";" : ":";
}
// Separates a folder from the names inside it on system.
constexpr const char* directorySeparator(System system) {
    return system == System::Windows ? "\\" : "/";
}
// The two separators of the system this build runs on.
extern const char* const PATH_LIST_SEPARATOR;
extern const char* const DIRECTORY_SEPARATOR;

// The value of an environment variable, or nothing when it is not set.
std::optional<std::string> environmentValue(const char* name);
// Sets a variable of this process's environment (its children inherit it).
void setEnvironmentValue(const std::string& name, const std::string& value);
// Whether a graphical display is there to show a window on.
bool hasDisplay();

// The absolute folder of the loaded library or program that holds address,
// without a trailing separator; "" when the system cannot say. Each library
// passes an address of its own to find its own folder.
std::string moduleFolder(const void* address);
// The folder that holds the product's files, whatever the working folder
// is: that of the library or program this copy of the seam is linked into,
// since a product's libraries and launchers all lie in it; "" when the
// system cannot say.
std::string productFolder();
// The product's folder of native libraries, as PATH receives it.
std::string productSystemFolder();
// The absolute file of the running program, after any symbolic links that
// led to it; "" when the system cannot say.
std::string executablePath();
// The absolute folder that holds each user's settings of their programs:
// XDG_CONFIG_HOME or ~/.config on Linux, APPDATA on Windows; "" when the
// environment names none.
std::string userConfigFolder();
// The absolute folder that holds each user's caches, files a program can
// make again: XDG_CACHE_HOME or ~/.cache on Linux, LOCALAPPDATA on Windows;
// "" when the environment names none.
std::string userCacheFolder();
// The number the system knows this process by.
unsigned long processId();
// A product file named relative to folder: "." is the folder itself, any
// other entry is the folder, separator and the entry as written. An empty
// folder (not found) leaves the entry as written.
std::string inFolder(const std::string& folder, const std::string& entry,
                     const std::string& separator = DIRECTORY_SEPARATOR);
// The entries of a path list (PATH, a Java class path) in order, empty ones
// included: an empty entry names the working folder.
std::vector<std::string> pathListEntries(const std::string& list,
                                         const std::string& separator = PATH_LIST_SEPARATOR);
// What keeps folder from standing in a path list whose entries separator
// separates (a Java class path, PATH), as a sentence; "" when nothing does.
// Without a folder the product's entries would be relative to the working
// folder, and a folder holding the separator would be split at it, its
// second part relative: either way files from where nobody chose would load.
std::string pathListProblem(const std::string& folder,
                            const std::string& separator = PATH_LIST_SEPARATOR);

// Whether path names its file from a root of the system, whatever the
// working folder. Windows: a drive path (C:\, C:/) and the forms that start
// with two separators (\\server\share, //server/share, \\?\..., \\.\...);
// "C:x" (the drive's working folder) and "\x" (the working drive) are
// relative. Linux: a path that starts with "/".
bool isAbsolutePath(const std::string& path, System system = hostSystem());

// Renames the file from to to, in place of a file to that is there, as one
// step: whoever opens to finds the old file or the new one, never a part.
// False when the system refused (on Windows, while to is in use).
bool replaceFile(const std::string& from, const std::string& to);

// True for a regular file that exists and can be opened for reading; a file
// that another program has open (as an installer may) counts too. UTF-8 path.
bool isReadableFile(const std::string& path);
// The whole of a readable file, byte for byte; nothing when it is no
// readable file or reading it failed. UTF-8 path.
std::optional<std::string> fileContent(const std::string& path);
// The processor architecture the system reports, or "" when it reports none.
std::string machineArchitecture();

// Runs a command line through the system's command interpreter, waits for it
// and returns what the runtime library's system() returns.
int runCommandLine(const std::string& command);
// Runs arguments[0], an absolute path to a program, with the other
// arguments (each reaches the program as one, whatever it holds), its
// standard output and error appended to outputFile and its standard input
// empty, and waits for it. Its exit status, or -1 when it did not start or
// did not end by itself.
int runProgramLogged(const std::vector<std::string>& arguments, const std::string& outputFile);
// The command that clears the terminal.
const char* clearScreenCommand();
// Makes a write to a closed pipe fail instead of ending the process, where the
// system would end it. For the launchers, which own their process: the
// libraries leave a host's signal dispositions alone.
void ignoreBrokenPipe();
// Keeps the libraries that anything in the process loads by bare name to the
// system's folders, the program's own and those added below, where the system
// would also search the working folder or PATH. For the launchers, which own
// their process: the libraries leave a host's search alone.
void restrictLibrarySearch();
// Adds a folder to that restricted search, which PATH no longer reaches, for
// the rest of the process (the product's native libraries, the DLLs a VM
// imports); the system's usual search, a host's own, is left alone.
void addLibraryFolder(const std::string& folder);
// Runs work on a new thread whose stack holds stackSize bytes, reserved as
// the system reserves a program's first stack, and returns once it has
// ended. False when the system could not make such a thread: work has not
// run.
bool runOnNewThread(std::size_t stackSize, const std::function<void()>& work);

// The system's library loader, for SharedLibrary: the handle of the library
// at an absolute path of any length, or null with the system's reason; the
// address of an exported symbol, or null with the reason; and the unloading.
void* openLibrary(const std::string& path, std::string& reason);
void* findSymbol(void* library, const char* name, std::string& reason);
void closeLibrary(void* library) noexcept;

}  // namespace mirobanth::os
