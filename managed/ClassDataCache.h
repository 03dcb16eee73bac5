#pragma once

#include <string>
#include <vector>

#include "ClassDataArchive.h"

// The user's cache of class-data archives of a described product: one
// folder per product, one archive in it per key. Never worse than no
// archive: whatever cannot be done (a folder that cannot be written, too
// little room, a runtime without a base archive) leaves the start as it
// would be without, and no half-written file stays behind.
namespace mirobanth::managed {

// What a start is, as far as class data go.
struct ClassDataRequest {
    std::string productName;
    // class-data = auto.
    bool wanted = true;
    std::string vmLibrary;
    // The class path option as the VM receives it, and its entries.
    std::string classPathOption;
    std::vector<std::string> classPath;
    std::vector<std::string> javaOptions;
    // The Java launcher of a runtime, relative to its home ("bin/java").
    std::string javaLauncher;
    std::string directorySeparator;
};

struct ClassDataStart {
    enum class Mode { Off, Write, Map };
    Mode mode = Mode::Off;
    ArchiveKind kind = ArchiveKind::Dynamic;
    // The VM options that write or map the archive.
    std::vector<std::string> options;
    // What a verbose start says about it.
    std::string report;

    std::string archive;
    // Where the VM writes (Dynamic) or records (AheadOfTime) before the
    // archive is in place, and where it tells how it went.
    std::string temporary;
    std::string log;
    // AheadOfTime: where the cache is assembled from the recording, and the
    // command that does it.
    std::string assembling;
    std::vector<std::string> assembly;
};

// Looks in the cache for the start's archive: maps the one there, writes one
// when there is none, or keeps out, saying why. Removes the product's
// archives of other keys and what starts that ended early left behind.
ClassDataStart startClassData(const ClassDataRequest& request);

// Once the VM exists: whether it mapped the archive, as a verbose start says
// it. One it did not map is removed at the end, to be written again by the
// next start, once: after a second refusal the key keeps no archive.
std::string reportMapping(ClassDataStart& start);

// At the end of the VM, by the launch or, when the program ended the process
// (System.exit), by the process's exit: puts a written archive in place, or
// removes a refused one. Does nothing the second time.
void finishClassData();

}  // namespace mirobanth::managed
