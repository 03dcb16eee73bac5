#include "ManagedTestSupport.h"

#include <cstdlib>

#include "SystemFacts.h"
#include "stubvm/StubRecorder.h"

namespace mirobanth::test {

std::string stubVMPath() { return binaryDirectory() + "/" + MIROBANTH_STUBVM_FILE; }

std::string noEntryLibraryPath() { return binaryDirectory() + "/" + MIROBANTH_NOENTRY_FILE; }

std::string classPathIn(const std::string& folder, const std::vector<std::string>& files) {
    std::vector<std::string> entries = {folder};
    for (const std::string& file : files)
        entries.push_back(folder + facts::directorySeparator() + file);
    return "-Djava.class.path=" + facts::pathList(entries);
}

std::string libraryPathIn(const std::string& folder) {
    return "-Djava.library.path=" +
           facts::pathList({folder, folder + facts::directorySeparator() + "system/"});
}

std::string realJavaHome() { return MIROBANTH_TEST_JAVA_HOME; }

std::vector<std::string> defaultOptions(const std::string& classPath,
                                        const std::string& libraryPath,
                                        const std::string& lookAndFeel) {
    return {"-Dmirobanth.nx=true",
            classPath,
            libraryPath,
            "-Dmirobanth.override=true",
            "-Dswing.defaultlaf=" + lookAndFeel,
            "-Dmirobanth.ignore=just",
            "-Dmirobanth.ignore1",
            "-Dmirobanth.ignore2"};
}

std::vector<std::string> tintavelOptionsIn(const std::string& folder,
                                           const std::string& lookAndFeel) {
    return defaultOptions(classPathIn(folder, TINTAVEL_JARS), libraryPathIn(folder), lookAndFeel);
}

std::vector<std::string> hookupLines(const std::string& classPath, const std::string& libraryPath,
                                     const std::string& name) {
    return {name + ": Dynamic hookup of JVM through shared library", name + ": " + classPath,
            name + ": " + libraryPath, name + ": No security policy used"};
}

std::string vmLinkedLine(const std::string& name) {
    return name + ": Shared library method JNI_CreateJavaVM linked";
}

std::vector<std::string> vmLibraryLines(const std::string& vm, const std::string& name) {
    return {name + ": Shared library found", name + ": " + vm, name + ": Shared library loaded",
            vmLinkedLine(name)};
}

std::vector<std::string> linesAfter(const std::string& text, const std::string& marker) {
    return linesAfter(lines(text), marker);
}

std::vector<std::string> linesAfter(const std::vector<std::string>& all,
                                    const std::string& marker) {
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == marker) return std::vector<std::string>(all.begin() + i + 1, all.end());
    return {"<no line " + marker + ">"};
}

std::string noVMError(const std::string& name) {
    return noVMWarning(name) + facts::alertTrace(name, "Java VM failed to initialize");
}

std::string missingLibraryError(const std::string& library) {
    return "Tintavel: File not found - " + library + "\nTintavel: Cannot load " + library + ": " +
           facts::missingLibraryReason(library) + "\n" + noVMError();
}

std::vector<std::string> launchLines(std::vector<std::string> lookup, const std::string& vm) {
    for (const std::string& line : vmLibraryLines(vm)) lookup.push_back(line);
    for (const char* line :
         {"com/mirobanth/tintavel/Tintavel", "<FINALIZE>", "<FINALIZE>", "<FINALIZE>"})
        lookup.push_back(std::string("Tintavel: ") + line);
    return lookup;
}

std::vector<std::string> recordedCalls(const std::string& recordFile, const std::string& prefix) {
    std::vector<std::string> result;
    for (const std::string& line : fileLines(recordFile))
        if (line.rfind(prefix, 0) == 0) result.push_back(line.substr(prefix.size()));
    return result;
}

std::string hexUnits(const std::u16string& text) {
    return stubvm::hexUnits(text.data(), text.size());
}

std::map<std::string, std::optional<std::string>> cleanLauncherEnvironment() {
    std::map<std::string, std::optional<std::string>> environment;
    for (const char* name :
         {"JAVA_HOME", "MIROBANTH_JVM", "MIROBANTH_CLASSPATH", "MIROBANTH_LIBRARYPATH",
          "MIROBANTH_SILENT", "MIROBANTH", "DISPLAY", "WAYLAND_DISPLAY", "MIROBANTH_STUBVM_RECORD",
          "MIROBANTH_STUBVM_REFUSE", "MIROBANTH_STUBVM_MISSING", "MIROBANTH_STUBVM_MISSING_METHODS",
          "MIROBANTH_STUBVM_THROW", "MIROBANTH_STUBVM_NOT_PUBLIC"})
        environment[name] = std::nullopt;
    // In a sanitizer build the leak check at exit cannot stop a Java VM's
    // threads (it dies on the VM's guard pages), and what the VM keeps is no
    // leak of ours anyway. Without sanitizers the variable means nothing.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    environment["ASAN_OPTIONS"] = std::string(sanitizer ? sanitizer : "") + ":detect_leaks=0";
    return environment;
}

StubVMEnvironment::StubVMEnvironment() {
    const char* path = std::getenv("PATH");
    variables.set("PATH", path ? path : "");
    for (const auto& [name, value] : cleanLauncherEnvironment()) variables.remove(name);
    recordFile = temporary.path() + "/stubvm.record";
    variables.set("MIROBANTH_STUBVM_RECORD", recordFile);
    variables.set("MIROBANTH_JVM", stubVMPath());
}

std::vector<std::string> StubVMEnvironment::record() const { return fileLines(recordFile); }

std::vector<std::string> StubVMEnvironment::options() const {
    return recordedCalls(recordFile, "option ");
}

std::vector<std::string> StubVMEnvironment::calls() const {
    std::vector<std::string> result;
    for (const std::string& line : record())
        if (line.rfind("option ", 0) != 0 && line.rfind("JNI_CreateJavaVM ", 0) != 0)
            result.push_back(line);
    return result;
}

}  // namespace mirobanth::test
