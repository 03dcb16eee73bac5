#pragma once

#include <string>
#include <vector>

namespace mirobanth::application {

// Finds the VM library of an installed Java runtime, trying in turn:
//   1. the java program on the search path, followed through its symbolic
//      links to the installation it belongs to;
//   2. the distribution's default runtime, usr/lib/jvm/default-java;
//   3. the runtime with the highest version under usr/lib/jvm.
// The lookup stops at the first runtime that has a VM library. The system
// folders are taken under root, so that a test can lay out a whole tree.
class JavaRuntimeLocator {
public:
    explicit JavaRuntimeLocator(std::string searchPath, std::string root = "/");

    // Full path of the VM library, or "" when no runtime has one.
    std::string find() const;
    // Every VM library the three steps reach, in the order they try them,
    // each once (by its real path: Debian's default-java and the versioned
    // links name the same installation).
    std::vector<std::string> findAll() const;

    std::string findFromSearchPath() const;
    std::string findDefaultRuntime() const;
    std::string findNewestRuntime() const;

    // The installation a java program belongs to: its real location after
    // all links, less "bin/java". "" when the program cannot be resolved.
    static std::string homeOfJavaProgram(const std::string& program);
    // The first VM library of the installation that exists, or "".
    static std::string libraryOfHome(const std::string& javaHome);
    // The version a runtime folder's name carries ("java-17-openjdk-amd64"
    // is 17, "jdk1.8.0_292" is 8.0.292, old "1.x" names count as x), with
    // trailing zeros dropped so that 17 and 17.0 compare equal. Empty when
    // the name has no number.
    static std::vector<int> versionOfFolderName(const std::string& name);

private:
    std::string runtimesFolder() const;

    std::string searchPath;
    std::string root;
};

}  // namespace mirobanth::application
