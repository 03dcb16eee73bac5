#pragma once

#include <string>

#include "core/CoreExport.h"

// Where a library or program lies as loaded: its product folder, against which
// the product's own files are found whatever the working directory is.
namespace mirobanth::core {

// The separator between a folder and the names inside it on this system.
MIROBANTH_CORE_API extern const char* const DIRECTORY_SEPARATOR;

// The absolute folder of the loaded library or program that holds address,
// without a trailing separator; "" when the system cannot say. Each library
// passes an address of its own to find its own folder.
MIROBANTH_CORE_API std::string moduleFolder(const void* address);

// A product file named relative to folder: "." is the folder itself, any
// other entry is the folder, separator and the entry as written. An empty
// folder (not found) leaves the entry as written.
MIROBANTH_CORE_API std::string inFolder(const std::string& folder, const std::string& entry,
                                        const std::string& separator);

// What keeps folder from standing in a path list whose entries separator
// separates (a Java class path, PATH), as a sentence; "" when nothing does.
// Without a folder the product's entries would be relative to the working
// folder, and a folder holding the separator would be split at it, its
// second part relative: either way files from where nobody chose would load.
MIROBANTH_CORE_API std::string pathListProblem(const std::string& folder,
                                              const std::string& separator);

}  // namespace mirobanth::core
