// What a launcher finds in its folder before its product object exists: the
// description, the user's Java options, and how much the console says.
#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/application/platform/PlatformFactory.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/ProductDescription.h>

#include <filesystem>
#include <optional>

#include "DescriptionFiles.h"
#include "OperatingSystem.h"

namespace mirobanth::managed {

using core::Console;

namespace {

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::u8path(path), error);
}

// <settings>/<name>/<name>.vmoptions: the user's own, kept across upgrades.
UserJavaOptions userJavaOptions(const std::string& productName) {
    const std::string folder = os::userConfigFolder();
    if (folder.empty()) return {};
    const std::string file =
        os::inFolder(os::inFolder(folder, productName), productName + ".vmoptions");
    UserJavaOptions absent;
    absent.file = file;
    if (!exists(file)) return absent;
    if (std::optional<std::string> text = os::fileContent(file)) return readUserJavaOptions(*text, file);
    absent.problem = file + " cannot be read; the launch goes on without this file";
    return absent;
}

// No application object exists yet to have read MIROBANTH_SILENT, so the
// switch is taken here, as the application would take it.
void reportFaultyDescription(const std::string& launcher, const std::string& problem) {
    if (os::environmentValue("MIROBANTH_SILENT")) Console::enableSilent(true);
    const core::Name source(launcher);
    Console::warn(&source, problem);
    application::createPlatform()->alert(launcher, problem);
}

}  // namespace

std::vector<std::string> DescribedLaunch::javaOptions() const {
    std::vector<std::string> options = product.javaOptions;
    options.insert(options.end(), user.options.begin(), user.options.end());
    return options;
}

DescribedLaunch prepareDescribedLaunch(const std::string& executablePath) {
    DescribedLaunch launch;
    if (executablePath.empty()) return launch;
    const std::string folder = std::filesystem::u8path(executablePath).parent_path().u8string();
    const std::string name = launcherName(executablePath);
    const std::string file = os::inFolder(folder, name + ".cfg");
    if (!exists(file)) return launch;

    const std::optional<std::string> text = os::fileContent(file);
    const DescriptionReading reading = text ? readProductDescription(*text, file, folder, name)
                                            : DescriptionReading{{}, file + " cannot be read"};
    if (!reading.problem.empty()) {
        reportFaultyDescription(name, reading.problem);
        launch.state = DescribedLaunch::State::Invalid;
        return launch;
    }
    launch.state = DescribedLaunch::State::Ready;
    launch.product = reading.product;
    launch.user = userJavaOptions(launch.product.name);
    // Set before the application object writes its first line.
    Console::enableQuiet(!launch.product.verbose && !os::environmentValue("MIROBANTH"));
    return launch;
}

}  // namespace mirobanth::managed
