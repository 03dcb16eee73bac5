// What a described product adds to the VM's creation: its and its user's
// Java options, and the Java version it needs.
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <filesystem>

#include "ClassDataCache.h"
#include "JavaHome.h"
#include "JavaRuntimeChoice.h"
#include "JavaSystemLayout.h"
#include "OperatingSystem.h"
#include "VMOptions.h"

namespace mirobanth::managed {

using core::Console;

namespace {

RuntimeCandidate atHome(const std::string& library, const std::string& home) {
    return {library, home, os::javaReleaseVersion(home)};
}

// A library named alone tells its version only through the installation
// whose layout it lies in.
RuntimeCandidate ofLibrary(const std::string& library) {
    const std::string home = os::javaHomeOfLibrary(library);
    return home.empty() ? RuntimeCandidate{library, "", ""} : atHome(library, home);
}

}  // namespace

// A user's file that is there but cannot be used is always reported; which
// file was read, and where one would be, only on a verbose start.
void Managed::reportDescribedOptions() {
    const UserJavaOptions& user = described->user;
    if (!user.problem.empty()) {
        Console::warn(this, user.problem);
    } else if (user.read) {
        Console::info(this, "Java options of the user read from " + user.file);
    } else if (!user.file.empty()) {
        Console::info(this, "No Java options of the user in " + user.file);
    }
    for (const std::string& option : described->javaOptions()) Console::info(this, option);
}

// The class path of a described product is its jars alone, which an archive
// can hold; one set by MIROBANTH_CLASSPATH is anybody's. The options come
// before the product's and the user's, whose own logging then still wins.
void Managed::prepareClassData(const VMOptionSettings& settings, const std::string& classPathOption,
                               std::vector<std::string>& optionTexts) {
    if (settings.classPathOverride) {
        Console::info(this, "No class data archive: MIROBANTH_CLASSPATH sets the class path");
        return;
    }
    const JavaSystemLayout layout = hostJavaLayout();
    ClassDataRequest request;
    request.productName = getApplicationName();
    request.wanted = described->product.classData;
    request.vmLibrary = jvmLibraryPath;
    request.classPathOption = classPathOption;
    const std::string property = "-Djava.class.path=";
    request.classPath =
        os::pathListEntries(classPathOption.substr(property.size()), layout.pathListSeparator);
    request.javaOptions = described->javaOptions();
    request.javaLauncher = layout.javaLauncher;
    request.directorySeparator = layout.directorySeparator;
    classData = std::make_shared<ClassDataStart>(startClassData(request));
    optionTexts.insert(optionTexts.begin() + VM_OPTION_COUNT, classData->options.begin(),
                       classData->options.end());
}

// The runtimes in the order the launcher looks for one, each with the
// version it states; the first that is new enough is taken. When none is,
// the one alert says what is needed, what was found and what to do.
std::string Managed::findFittingVMLibrary(int javaMin) {
    const JavaSystemLayout layout = hostJavaLayout();
    std::vector<RuntimeCandidate> candidates;
    if (auto javaHome = absoluteSetting("JAVA_HOME")) {
        candidates.push_back(atHome(javaHomeLibrary(*javaHome), *javaHome));
    }
    if (auto library = absoluteSetting("MIROBANTH_JVM")) {
        candidates.push_back(ofLibrary(getPlatform()->remove(*library, "\"")));
    }
    const std::string runtime =
        os::inFolder(os::productFolder(), BUNDLED_RUNTIME_FOLDER, layout.directorySeparator);
    // Anything named runtime is the product's choice: one that holds no Java
    // of a version it can tell is a packaging error, never passed over.
    std::error_code error;
    if (std::filesystem::exists(
            std::filesystem::symlink_status(std::filesystem::u8path(runtime), error))) {
        candidates.push_back(
            atHome(os::inFolder(runtime, layout.runtimeImageVMLibrary, layout.directorySeparator),
                   runtime));
        candidates.back().bundled = true;
    }
    for (const application::JavaRuntime& found : getPlatform()->findJavaRuntimes()) {
        candidates.push_back({found.library, found.home, found.version});
    }

    const JavaRuntimeChoice choice =
        chooseJavaRuntime(candidates, javaMin, getApplicationName(), layout.runtimeExample);
    for (const std::string& line : choice.lines) Console::info(this, line);
    if (choice.library.empty()) {
        Console::warn(this, choice.problem);
        getPlatform()->alert(getApplicationName(), choice.problem);
        failureShown = true;
    }
    return choice.library;
}

}  // namespace mirobanth::managed
