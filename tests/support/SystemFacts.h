#pragma once

#include <string>
#include <vector>

// Facts of the system under test that expected texts depend on, one file per
// system (os/<system>/SystemFacts.cpp).
namespace mirobanth::test::facts {

// The separator of PATH and of the VM's class and library paths.
std::string pathListSeparator();
// The entries joined with that separator.
inline std::string pathList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries)
        list += (list.empty() ? "" : pathListSeparator()) + entry;
    return list;
}
// The separator between a folder and the entry below it.
std::string directorySeparator();
// The look-and-feel class the launcher names as the system's own, without a
// display (as in tests).
std::string nativeLookAndFeel();
// The same with a display.
std::string nativeLookAndFeelWithDisplay();
// Where the launcher looks for the VM library under JAVA_HOME, in order,
// each relative to the home and starting with "/".
std::vector<std::string> javaHomeLayouts();
// The VM library of the runtime a product bundles, relative to the product folder.
std::string bundledVMLibrary();
// The variable that names the folder of each user's settings.
std::string userConfigVariable();
// The variable that names the folder of each user's caches.
std::string userCacheVariable();
// The file name of a Java VM library.
std::string vmLibraryFileName();
// The loader's reason for refusing a library file that is missing, or that
// is no library, as the launcher reports it after the path.
std::string missingLibraryReason(const std::string& path);
std::string notALibraryReason(const std::string& path);
// What an alert leaves on standard error when nobody can see a dialog
// (always so in tests: they run without a display).
std::string alertTrace(const std::string& title, const std::string& message);

}  // namespace mirobanth::test::facts
