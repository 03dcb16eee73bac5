#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CommandLine.h"
#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "TextLines.h"

namespace mirobanth::test {

// Text from beyond ASCII, as UTF-8: an accented letter, two CJK characters
// and an emoji from outside the Basic Multilingual Plane ("é日本😀").
inline const std::string WORLD_TEXT = "\xC3\xA9\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80";
// A byte that is never valid UTF-8, and what a Java string makes of it
// (U+FFFD, as UTF-8).
inline const std::string INVALID_BYTE = "\xFF";
inline const std::string REPLACEMENT = "\xEF\xBF\xBD";

// Libraries built beside the test programs.
std::string stubVMPath();
std::string noEntryLibraryPath();
// The class path option of a product in folder: the folder itself, then
// each file named inside it; and its library path option (folder, system/).
std::string classPathIn(const std::string& folder, const std::vector<std::string>& files);
std::string libraryPathIn(const std::string& folder);
// The Java runtime the real-VM tests use.
std::string realJavaHome();

// The jars of the Tintavel product's class path, after its folder.
inline const std::vector<std::string> TINTAVEL_JARS = {"mirobanth-runtime.jar", "ext/substance.jar",
                                                       "tintavel.jar"};

// The eight options a launch gives the VM when no switch changes them.
std::vector<std::string> defaultOptions(const std::string& classPath,
                                        const std::string& libraryPath,
                                        const std::string& lookAndFeel);
// Those of the Tintavel product in folder.
std::vector<std::string> tintavelOptionsIn(const std::string& folder,
                                           const std::string& lookAndFeel);

// A launch's first console lines, up to "No security policy used".
std::vector<std::string> hookupLines(const std::string& classPath, const std::string& libraryPath,
                                     const std::string& name = "Tintavel");
// The line after which the VM is linked: what follows is the launch itself.
std::string vmLinkedLine(const std::string& name = "Tintavel");
// The lines of the VM library at vm found, loaded and linked.
std::vector<std::string> vmLibraryLines(const std::string& vm,
                                        const std::string& name = "Tintavel");

// What a launch writes to standard error when it ends without a VM: the
// warning, and the alert unless one of its own said why.
inline std::string noVMWarning(const std::string& name = "Tintavel") {
    return name + ": Unable to initialize a virtual machine (launch2)\n";
}
std::string noVMError(const std::string& name = "Tintavel");
// Those of a launch whose VM library does not exist, after the reasons.
std::string missingLibraryError(const std::string& library);

// The lines that come after the first line equal to marker.
std::vector<std::string> linesAfter(const std::string& text, const std::string& marker);
std::vector<std::string> linesAfter(const std::vector<std::string>& all, const std::string& marker);

// The console lines of a Tintavel launcher after "No security policy used"
// when the VM library at vm runs main: the lookup's own lines, then those of
// the library found, loaded and linked, to the launcher's end.
std::vector<std::string> launchLines(std::vector<std::string> lookup, const std::string& vm);

// The stub VM's recorded calls that start with prefix, without it.
std::vector<std::string> recordedCalls(const std::string& recordFile, const std::string& prefix);

// UTF-16 units as the stub VM records them: four hex digits each, blank-separated.
std::string hexUnits(const std::u16string& text);

// The environment variables the launcher reads, all removed, and no display,
// so that no dialog can wait for an answer: the base of every child's
// environment.
std::map<std::string, std::optional<std::string>> cleanLauncherEnvironment();

// One in-process launch against the stub VM: MIROBANTH_JVM names the stub,
// every other variable the launcher reads is removed, the stub records into
// a fresh file. Everything is put back when the test ends (PATH included,
// which every application object extends).
class StubVMEnvironment {
public:
    StubVMEnvironment();
    StubVMEnvironment(const StubVMEnvironment&) = delete;
    StubVMEnvironment& operator=(const StubVMEnvironment&) = delete;

    void set(const std::string& name, const std::string& value) { variables.set(name, value); }
    void remove(const std::string& name) { variables.remove(name); }

    // Everything the stub recorded, one call a line.
    std::vector<std::string> record() const;
    // The option texts the VM received, in order.
    std::vector<std::string> options() const;
    // The recorded calls after the VM's creation.
    std::vector<std::string> calls() const;

    const TemporaryFolder& folder() const { return temporary; }

private:
    ConsoleSwitches switches;
    EnvironmentVariables variables;
    TemporaryFolder temporary;
    std::string recordFile;
};

}  // namespace mirobanth::test
