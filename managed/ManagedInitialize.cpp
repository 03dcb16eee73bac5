// Creating the Java VM: the eight options, the search for the VM library,
// loading it and calling JNI_CreateJavaVM.
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "ClassDataCache.h"
#include "JavaHome.h"
#include "JavaSystemLayout.h"
#include "JavaVirtualMachine.h"
#include "OperatingSystem.h"
#include "VMOptions.h"

namespace mirobanth::managed {

using core::Console;

namespace {

// What stands at runtime instead of a folder, for the warning; "" for a
// folder or a link to one, where the VM library itself is looked for.
std::string notAFolder(const std::filesystem::path& runtime) {
    std::error_code error;
    if (std::filesystem::is_directory(runtime, error)) return "";
    if (std::filesystem::exists(runtime, error)) return "a file, not a folder";
    return "a link to " + std::filesystem::read_symlink(runtime, error).u8string() +
           ", which does not exist";
}

// The VM library of the runtime image a product carries in runtime/ beside
// its files, when it carries one. The product was made and tested with that
// runtime, so it goes before whatever the system offers; only the environment,
// set on purpose, still decides first. Anything named runtime is the
// product's choice: a file, a link to nothing or a folder without the VM
// library is reported and its library fails to load, never replaced by some
// other Java. A library whose folder is unknown has no product folder, and the
// working folder never stands in.
std::optional<std::string> bundledVMLibrary(const core::Name* source) {
    const std::string folder = os::productFolder();
    if (folder.empty()) return std::nullopt;
    const JavaSystemLayout layout = hostJavaLayout();
    const std::string runtime =
        os::inFolder(folder, BUNDLED_RUNTIME_FOLDER, layout.directorySeparator);
    const std::filesystem::path entry = std::filesystem::u8path(runtime);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(entry, error)))
        return std::nullopt;
    Console::info(source, "Bundled Java runtime is used");
    std::string path =
        os::inFolder(runtime, layout.runtimeImageVMLibrary, layout.directorySeparator);
    Console::info(source, path);
    const std::string problem = notAFolder(entry);
    if (!problem.empty()) {
        Console::warn(source, "The bundled Java runtime " + runtime + " is " + problem);
    }
    return path;
}

// A variable set to nothing names nothing, as an empty JAVA_HOME does.
std::optional<std::string> nonEmptyValue(const char* variable) {
    auto value = os::environmentValue(variable);
    if (value && value->empty()) return std::nullopt;
    return value;
}

}  // namespace

JNIEnv* Managed::initialize() {
    Console::info(this, "Dynamic hookup of JVM through shared library");
    failureShown = false;
    const JavaSystemLayout layout = hostJavaLayout();
    if (!isUsableProductFolder(layout.pathListSeparator)) return nullptr;
    const VMOptionSettings settings = optionSettings();
    const std::string overrides = overrideProblem(settings);
    if (!overrides.empty()) {
        refuseLaunch(overrides);
        return nullptr;
    }
    const VMOptionTexts options = buildVMOptions(settings, layout);
    Console::info(this, options[CLASS_PATH_OPTION]);
    Console::info(this, options[LIBRARY_PATH_OPTION]);
    Console::info(this, secured ? "Using a security policy" : "No security policy used");
    if (!nativeLookAndFeel && customLookAndFeel) lookAndFeelClass = options[LOOK_AND_FEEL_OPTION];
    std::vector<std::string> optionTexts(options.begin(), options.end());
    if (described) {
        reportDescribedOptions();
        const std::vector<std::string> added = described->javaOptions();
        optionTexts.insert(optionTexts.end(), added.begin(), added.end());
    }

    jvmLibraryPath = findVMLibrary();
    // No Java new enough: its one alert has said it all, there is nothing to load.
    if (jvmLibraryPath.empty() && requiredJavaVersion() > 0) return nullptr;
    if (jvmLibraryPath.find('"') != std::string::npos) {
        jvmLibraryPath = getPlatform()->remove(jvmLibraryPath, "\"");
    }
    checkLibrary();
    if (described) prepareClassData(settings, options[CLASS_PATH_OPTION], optionTexts);
    // A second VM in the same process is refused by JNI_CreateJavaVM; the one
    // this object created stays, to be ended.
    if (!vm) vm = std::make_shared<JavaVirtualMachine>();
    if (!vm->link(this, jvmLibraryPath) || !vm->create(this, optionTexts)) return nullptr;
    if (classData) Console::info(this, reportMapping(*classData));
    return vm->environment();
}

// Every product file reaches the VM as an entry of a path list; a product
// folder that would make one relative is refused, before any option exists.
bool Managed::isUsableProductFolder(const std::string& pathListSeparator) {
    const std::string problem = os::pathListProblem(os::productFolder(), pathListSeparator);
    if (problem.empty()) return true;
    refuseLaunch(problem);
    return false;
}

// What the user must mend, on the console and in an alert.
void Managed::refuseLaunch(const std::string& problem) {
    Console::warn(this, problem);
    getPlatform()->alert(getApplicationName(), problem);
    failureShown = true;
}

VMOptionSettings Managed::optionSettings() const {
    VMOptionSettings settings;
    settings.productFolder = os::productFolder();
    settings.applicationJar = lowercase(getApplicationName()) + ".jar";
    settings.nativeLookAndFeel = nativeLookAndFeel;
    settings.importingSubstance = isImportingSubstance();
    settings.customLookAndFeel = customLookAndFeel;
    settings.lookAndFeelClass = lookAndFeelClass;
    settings.gemini = gemini;
    settings.chrome = chrome;
    settings.secured = secured;
    settings.classPathOverride = nonEmptyValue("MIROBANTH_CLASSPATH");
    settings.libraryPathOverride = nonEmptyValue("MIROBANTH_LIBRARYPATH");
    if (described) settings.describedClassPath = described->product.classPath;
    return settings;
}

// JAVA_HOME wins over MIROBANTH_JVM; the platform's own lookup comes last and
// has already told the user, in an alert, when it found nothing. An empty
// variable counts as not set: it names no installation.
std::string Managed::findVMLibrary() {
    if (requiredJavaVersion() > 0) return findFittingVMLibrary(requiredJavaVersion());
    auto javaHome = absoluteSetting("JAVA_HOME");
    if (javaHome) {
        Console::info(this, "JAVA_HOME is used as JRE base path");
        std::string path = javaHomeLibrary(*javaHome);
        Console::info(this, path);
        return path;
    }
    auto override = absoluteSetting("MIROBANTH_JVM");
    if (override) {
        Console::info(this, "MIROBANTH_JVM override in effect");
        return *override;
    }
    if (auto bundled = bundledVMLibrary(this)) return *bundled;
    Console::info(this, "JAVA_HOME and MIROBANTH_JVM not defined");
    std::string library = getPlatform()->getRuntimeLibrary();
    failureShown = library.empty();
    return library;
}

// The value of a variable that names where the VM lies, unless it is unset
// or empty. A relative path would be read against the working folder, where
// anyone may have put a library: it is ignored as if it were not set. Quotes
// around the path, as a Windows command line puts them, are no part of it:
// they go before the path is read or extended.
std::optional<std::string> Managed::absoluteSetting(const char* variable) {
    auto value = os::environmentValue(variable);
    if (!value || value->empty()) return std::nullopt;
    std::string path = getPlatform()->remove(*value, "\"");
    if (!os::isAbsolutePath(path)) {
        Console::warn(this, std::string(variable) +
                                " is ignored because it is not an absolute path: " + *value);
        return std::nullopt;
    }
    return path;
}

// The lowest Java feature version the product runs on; 0 when any will do.
int Managed::requiredJavaVersion() const { return described ? described->product.javaMin : 0; }

// Installations differ in where they keep the VM library; the first
// candidate that exists wins. When none does, the most likely one is named,
// so the messages that follow say what was expected.
std::string Managed::javaHomeLibrary(const std::string& javaHome) {
    std::string library = os::existingJavaHomeLibrary(javaHome);
    return library.empty() ? os::javaHomeLibraries(javaHome).front() : library;
}

void Managed::checkLibrary() {
    // An empty path names no file: the lookup that found nothing has said so.
    if (jvmLibraryPath.empty()) return;
    if (fileExists(jvmLibraryPath)) {
        Console::info(this, "Shared library found");
        Console::info(this, jvmLibraryPath);
    } else {
        Console::warn(this, "File not found - " + jvmLibraryPath);
    }
}

}  // namespace mirobanth::managed
