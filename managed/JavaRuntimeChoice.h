#pragma once

#include <string>
#include <vector>

// Choosing the Java runtime of a product that needs a Java version of at
// least some feature version, among the runtimes the search found.
namespace mirobanth::managed {

struct RuntimeCandidate {
    std::string library;
    // Where it is installed ("" when unknown: the library stands for it).
    std::string home;
    // The version it states; "" when it states none.
    std::string version;
    // The runtime the product carries in its own folder.
    bool bundled = false;
};

struct JavaRuntimeChoice {
    // The library to load; "" when none fits.
    std::string library;
    // What the choice says on the console: a line for each runtime passed
    // over, and one for the runtime taken.
    std::vector<std::string> lines;
    // When none fits: what the product needs, what was found and what to do.
    std::string problem;
};

// The first candidate, in the search's order, whose feature version is at
// least javaMin. A runtime whose version cannot be told is passed over: it
// would fail later, with a class version error far from its cause, and
// every Java since 7 and every jlink image states its version in a release
// file. The product's own runtime is never passed over: too old, or of an
// unknown version, it is a fault of the package, and the choice stops there.
// runtimeExample, with "<N>" standing for javaMin, names a runtime to install.
JavaRuntimeChoice chooseJavaRuntime(const std::vector<RuntimeCandidate>& candidates, int javaMin,
                                    const std::string& product, const std::string& runtimeExample);

}  // namespace mirobanth::managed
