#pragma once

#include <string>
#include <vector>

#include "platform/portable/RegistryReader.h"

namespace mirobanth::application::java_registry {

// The installation problems the lookup reports, one per failing step.
inline constexpr const char* KEY_NOT_FOUND = "Register Key Not Found - No Java installed ?";
inline constexpr const char* NO_CURRENT_VERSION = "CurrentVersion - Failed JRE install ?";
inline constexpr const char* NO_VERSION_KEY = "Version Root";
inline constexpr const char* NO_RUNTIME_LIB = "RuntimeLib - Failed JRE install ?";

// Where Java installers register: Java 8 and older under the first key,
// Java 9 and later under the other two, each with the same layout.
inline constexpr const char* JAVA_KEYS[] = {
    "SOFTWARE\\JavaSoft\\Java Runtime Environment",
    "SOFTWARE\\JavaSoft\\JRE",
    "SOFTWARE\\JavaSoft\\JDK",
};

// Registry values are read into buffers of this many bytes; a longer value
// counts as unreadable.
inline constexpr std::size_t VALUE_CAPACITY = 512;

// What one lookup found: the "RuntimeLib" text (quotes and all) and the
// "CurrentVersion" it is registered under, or the one problem to report when
// library is empty.
struct Outcome {
    std::string library;
    std::string problem;
    std::string version;
};

// Walks one key: CurrentVersion, the version subkey, its RuntimeLib.
Outcome walkKey(RegistryReader& registry, const std::string& keyPath);

// Walks the keys in order; the first that yields a RuntimeLib wins. When
// none does, the problem is that of the first key that exists, or
// KEY_NOT_FOUND when none exists.
Outcome findRuntimeLibrary(RegistryReader& registry);

// Every key's runtime that the walk reaches, in the order of the keys.
std::vector<Outcome> findRuntimeLibraries(RegistryReader& registry);

}  // namespace mirobanth::application::java_registry
