// Creating the Java VM: the eight options, the search for the VM library,
// loading it and calling JNI_CreateJavaVM.
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "JavaHome.h"
#include "JavaPlatformTexts.h"
#include "JavaVirtualMachine.h"
#include "OperatingSystem.h"
#include "VMOptions.h"

namespace mirobanth::managed {

using core::Console;

namespace {

// The folder this library was loaded from, which holds the product's files.
std::string libraryFolder() {
    static const char insideThisLibrary = 0;
    return os::moduleFolder(&insideThisLibrary);
}

// The VM library of the runtime image a product carries in runtime/ beside
// its files, when it carries one. The product was made and tested with that
// runtime, so it goes before whatever the system offers; only the environment,
// set on purpose, still decides first. A runtime folder
// without a VM library is still the product's choice: the missing library is
// reported, not replaced by some other Java. A library whose folder is
// unknown has no product folder, and the working folder never stands in.
std::optional<std::string> bundledVMLibrary(const core::Name* source) {
    const std::string folder = libraryFolder();
    if (folder.empty()) return std::nullopt;
    const JavaPlatformTexts platform = hostJavaPlatformTexts();
    const std::string runtime =
        os::inFolder(folder, BUNDLED_RUNTIME_FOLDER, platform.directorySeparator);
    std::error_code error;
    if (!std::filesystem::is_directory(std::filesystem::u8path(runtime), error)) {
        return std::nullopt;
    }
    Console::info(source, "Bundled Java runtime is used");
    std::string path =
        os::inFolder(runtime, platform.runtimeImageVMLibrary, platform.directorySeparator);
    Console::info(source, path);
    return path;
}

}  // namespace

JNIEnv* Managed::initialize() {
    Console::info(this, "Dynamic hookup of JVM through shared library");
    const JavaPlatformTexts platform = hostJavaPlatformTexts();
    if (!isUsableProductFolder(platform.pathListSeparator)) return nullptr;
    const VMOptionTexts options = buildVMOptions(optionSettings(), platform);
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
    if (vmFailureShown) return nullptr;
    if (jvmLibraryPath.find('"') != std::string::npos) {
        jvmLibraryPath = getPlatform()->remove(jvmLibraryPath, "\"");
    }
    checkLibrary();
    // A second VM in the same process is refused by JNI_CreateJavaVM; the one
    // this object created stays, to be ended.
    if (!vm) vm = std::make_shared<JavaVirtualMachine>();
    if (!vm->link(this, jvmLibraryPath) || !vm->create(this, optionTexts)) return nullptr;
    return vm->environment();
}

// Every product file reaches the VM as an entry of a path list; a product
// folder that would make one relative is refused, before any option exists.
bool Managed::isUsableProductFolder(const std::string& pathListSeparator) {
    const std::string problem = os::pathListProblem(libraryFolder(), pathListSeparator);
    if (problem.empty()) return true;
    Console::warn(this, problem);
    getPlatform()->alert(getApplicationName(), problem);
    return false;
}

VMOptionSettings Managed::optionSettings() const {
    VMOptionSettings settings;
    settings.productFolder = libraryFolder();
    settings.applicationJar = lowercase(getApplicationName()) + ".jar";
    settings.nativeLookAndFeel = nativeLookAndFeel;
    settings.importingSubstance = isImportingSubstance();
    settings.customLookAndFeel = customLookAndFeel;
    settings.lookAndFeelClass = lookAndFeelClass;
    settings.gemini = gemini;
    settings.chrome = chrome;
    settings.secured = secured;
    settings.classPathOverride = os::environmentValue("MIROBANTH_CLASSPATH");
    settings.libraryPathOverride = os::environmentValue("MIROBANTH_LIBRARYPATH");
    if (described) settings.describedClassPath = described->product.classPath;
    return settings;
}

// JAVA_HOME wins over MIROBANTH_JVM; the platform's own lookup comes last and
// has already told the user when it found nothing. An empty variable counts
// as not set: it names no installation.
std::string Managed::findVMLibrary() {
    if (described && described->product.javaMin > 0) {
        return findFittingVMLibrary(described->product.javaMin);
    }
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
    return getPlatform()->getRuntimeLibrary();
}

// The value of a variable that names where the VM lies, unless it is unset
// or empty. A relative path would be read against the working folder, where
// anyone may have put a library: it is ignored as if it were not set. Quotes
// around the path do not make it relative (they are taken off later).
std::optional<std::string> Managed::absoluteSetting(const char* variable) {
    auto value = os::environmentValue(variable);
    if (!value || value->empty()) return std::nullopt;
    if (!std::filesystem::u8path(getPlatform()->remove(*value, "\"")).is_absolute()) {
        Console::warn(this, std::string(variable) +
                                " is ignored because it is not an absolute path: " + *value);
        return std::nullopt;
    }
    return value;
}

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
