// Creating the Java VM: the eight options, the search for the VM library,
// loading it and calling JNI_CreateJavaVM.
#include <jni.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "application/platform/Platform.h"
#include "core/Console.h"
#include "core/ModuleFolder.h"
#include "managed/Managed.h"
#include "managed/SharedLibrary.h"

namespace mirobanth::managed {

using core::Console;

namespace {

typedef jint(JNICALL* CreateJavaVMFunction)(JavaVM**, void**, void*);

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

// The folder this library was loaded from, which holds the product's files.
std::string libraryFolder() {
    static const char insideThisLibrary = 0;
    return core::moduleFolder(&insideThisLibrary);
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
        core::inFolder(folder, BUNDLED_RUNTIME_FOLDER, platform.directorySeparator);
    std::error_code error;
    if (!std::filesystem::is_directory(std::filesystem::u8path(runtime), error)) {
        return std::nullopt;
    }
    Console::info(source, "Bundled Java runtime is used");
    std::string path =
        core::inFolder(runtime, platform.runtimeImageVMLibrary, platform.directorySeparator);
    Console::info(source, path);
    return path;
}

// The VM's entry point in the library at path, or null after saying why.
CreateJavaVMFunction linkCreateJavaVM(const core::Name* source, const std::string& path) {
    std::optional<SharedLibrary> library;
    try {
        library.emplace(path);
    } catch (const LibraryError& error) {
        Console::info(source, "No shared library found");
        // The loader's reason tells a broken or foreign library from a missing one.
        Console::warn(source, error.what());
        return nullptr;
    }
    // The library stays loaded for the rest of the process, also when it
    // turns out not to be a VM: a Java VM cannot be unloaded, its threads run
    // its code until the process ends.
    library->keepLoaded();
    Console::info(source, "Shared library loaded");
    try {
        auto createJavaVM = library->function<CreateJavaVMFunction>("JNI_CreateJavaVM");
        Console::info(source, "Shared library method JNI_CreateJavaVM linked");
        return createJavaVM;
    } catch (const LibraryError&) {
        Console::info(source, "Shared library does not contain method JNI_CreateJavaVM");
        return nullptr;
    }
}

// The initialisation record with the option texts it points into.
class InitArguments {
public:
    explicit InitArguments(const VMOptionTexts& options) : texts(options.begin(), options.end()) {
        for (std::string& text : texts) entries.push_back({text.data(), nullptr});
        arguments.version = JNI_VERSION_1_4;
        arguments.nOptions = static_cast<jint>(entries.size());
        arguments.options = entries.data();
        arguments.ignoreUnrecognized = JNI_FALSE;
    }
    InitArguments(const InitArguments&) = delete;
    InitArguments& operator=(const InitArguments&) = delete;

    JavaVMInitArgs* record() { return &arguments; }

private:
    std::vector<std::string> texts;
    std::vector<JavaVMOption> entries;
    JavaVMInitArgs arguments{};
};

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

    jvmLibraryPath = findVMLibrary();
    if (jvmLibraryPath.find('"') != std::string::npos) {
        jvmLibraryPath = getPlatform()->remove(jvmLibraryPath, "\"");
    }
    checkLibrary();
    return createJavaVM(options);
}

// Every product file reaches the VM as an entry of a path list; a product
// folder that would make one relative is refused, before any option exists.
bool Managed::isUsableProductFolder(const std::string& pathListSeparator) {
    const std::string problem = core::pathListProblem(libraryFolder(), pathListSeparator);
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
    settings.classPathOverride = environmentValue("MIROBANTH_CLASSPATH");
    settings.libraryPathOverride = environmentValue("MIROBANTH_LIBRARYPATH");
    return settings;
}

// JAVA_HOME wins over MIROBANTH_JVM; the platform's own lookup comes last and
// has already told the user when it found nothing. An empty variable counts
// as not set: it names no installation.
std::string Managed::findVMLibrary() {
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
    auto value = environmentValue(variable);
    if (!value || value->empty()) return std::nullopt;
    if (!std::filesystem::u8path(getPlatform()->remove(*value, "\"")).is_absolute()) {
        Console::warn(this, std::string(variable) + " is ignored because it is not an absolute path: " +
                                *value);
        return std::nullopt;
    }
    return value;
}

// Installations differ in where they keep the VM library; the first
// candidate that exists wins. When none does, the most likely one is named,
// so the messages that follow say what was expected.
std::string Managed::javaHomeLibrary(const std::string& javaHome) {
    std::vector<std::string> candidates = getPlatform()->getRuntimeLibraryCandidates(javaHome);
    for (const std::string& candidate : candidates) {
        if (fileExists(candidate)) return candidate;
    }
    return candidates.empty() ? std::string() : candidates.front();
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

JNIEnv* Managed::createJavaVM(const VMOptionTexts& options) {
    CreateJavaVMFunction createJavaVM = linkCreateJavaVM(this, jvmLibraryPath);
    if (!createJavaVM) return nullptr;
    InitArguments arguments(options);
    // A failed call must not touch the pointers of a VM this object already
    // created: run still has to end that one.
    JavaVM* createdVM = nullptr;
    JNIEnv* createdEnv = nullptr;
    if (createJavaVM(&createdVM, reinterpret_cast<void**>(&createdEnv), arguments.record()) < 0) {
        Console::warn(this, "Call to Java VM failed");
        return nullptr;
    }
    javaVM = createdVM;
    jniEnv = createdEnv;
    return jniEnv;
}

}  // namespace mirobanth::managed
