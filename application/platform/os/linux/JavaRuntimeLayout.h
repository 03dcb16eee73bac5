#pragma once

#include <string>
#include <vector>

namespace mirobanth::application {

// Where a Java installation rooted at javaHome keeps its VM library on Linux,
// most likely first: the modular runtime (9 and later), then the JDK 8 layout
// with its processor folder, for a JDK and for a bare JRE.
std::vector<std::string> linuxRuntimeLibraryCandidates(const std::string& javaHome);

// The processor folder of the JDK 8 layout ("amd64", "i386", "aarch64", ...)
// for the processor this library was built for: the VM must match the
// process, whatever the machine could also run.
const char* jdk8ProcessorFolder();

}  // namespace mirobanth::application
