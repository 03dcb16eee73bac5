#pragma once

#include <mirobanth/managed/ManagedExport.h>

#include <string>
#include <vector>

namespace mirobanth::managed {

// A product that a launcher runs from the description in its folder, named
// after the launcher: jEdit and jEdit-Console (jEdit.exe, jEdit-Console.exe)
// read jEdit.cfg, one "key = value" a line.
struct ProductDescription {
    // The description itself, and the product folder that holds it.
    std::string file;
    std::string folder;
    // The application name: the console's prefix, the alerts' title, the
    // folder of the user's Java options. The launcher's name unless given.
    std::string name;
    std::string vendor;
    std::string version;
    // Slash-separated, as the VM finds classes.
    std::string mainClass;
    // Absolute, in the order given.
    std::vector<std::string> classPath;
    // With $PRODUCT_DIR replaced by the product folder.
    std::vector<std::string> javaOptions;
    // Given to main before the user's own arguments.
    std::vector<std::string> arguments;
    // The lowest Java feature version the product runs on; 0 for any.
    int javaMin = 0;
    // "native", "gemini", "graphite" or a look-and-feel class: the default
    // that the launcher switches change.
    std::string lookAndFeel = "native";
    // diagnostics = verbose: every diagnostic line, as without a description.
    bool verbose = false;
    // class-data = auto: the launcher keeps an archive of the classes a start
    // loads, for the next starts to map.
    bool classData = true;
};

// The Java options a user keeps for a product, one a line, in a file of
// their own that no installer touches.
struct UserJavaOptions {
    // Where they are kept; "" when the system names no settings folder.
    std::string file;
    // Whether the file was there and its options are used.
    bool read = false;
    std::vector<std::string> options;
    // Why a file that is there is not used; "" when nothing is wrong.
    std::string problem;
};

// What a launcher found in its folder.
struct DescribedLaunch {
    enum class State { NotDescribed, Invalid, Ready };
    State state = State::NotDescribed;
    ProductDescription product;
    UserJavaOptions user;

    // The Java options the launch adds after the launcher's own: the
    // product's, then the user's, so that the user's -Xmx2g wins over the
    // product's -Xmx512m.
    MIROBANTH_MANAGED_API std::vector<std::string> javaOptions() const;
};

// Reads the description in the folder of the launcher at executablePath and
// the user's Java options of the product it describes. Without a description
// nothing happens (NotDescribed). A faulty one is told on the console and in
// an alert, naming the file, the line and the fault (Invalid). A ready one
// makes the console quiet unless "diagnostics = verbose" or MIROBANTH asks
// for every line.
MIROBANTH_MANAGED_API DescribedLaunch prepareDescribedLaunch(const std::string& executablePath);

}  // namespace mirobanth::managed
