#pragma once

#include <optional>
#include <string>
#include <vector>

#include "OperatingSystem.h"

// Where a Java installation keeps its VM library: one place for both
// systems' layouts, which the Java runtime lookup and JAVA_HOME both read.
namespace mirobanth::os {

// The server VM library as a runtime's own folder holds it, the folders
// joined with separator: lib/server/libjvm.so on Linux, bin/server/jvm.dll
// on Windows. A Java 9+ home and a runtime image hold it so, as does the JRE
// inside a JDK 8.
std::string runtimeVMLibrary(System system, const std::string& separator = "/");

// The VM libraries a Java installation rooted at javaHome may hold on the
// system, most likely first. Linux: the modular runtime (9 and later), then
// the JDK 8 layout with its processor folder, for a JDK and for a bare JRE.
// Windows: the JRE inside an old JDK (client VM before server), then the
// modular runtime; the folders are joined with "/", which Windows accepts.
std::vector<std::string> javaHomeLibraries(const std::string& javaHome,
                                           System system = hostSystem());

// The first of them that is a readable file; "" when none is.
std::string existingJavaHomeLibrary(const std::string& javaHome, System system = hostSystem());

// The Java installation that holds a VM library in one of those layouts;
// "" when the library lies in none of them.
std::string javaHomeOfLibrary(const std::string& library, System system = hostSystem());

// The version an installation states in its release file, as in
// JAVA_VERSION="17.0.15" (without the quotes); "" when it states none.
std::string javaReleaseVersion(const std::string& javaHome);

// The feature version of a Java version text: 17 for "17.0.15" or "17", and
// 8 for the old "1.8.0_392" or "1.8". Nothing when the text has no number.
std::optional<int> javaFeatureVersion(const std::string& version);

// The processor folder of the JDK 8 layout ("amd64", "i386", "aarch64", ...)
// for the processor this library was built for: the VM must match the
// process, whatever the machine could also run.
const char* jdk8ProcessorFolder();

}  // namespace mirobanth::os
