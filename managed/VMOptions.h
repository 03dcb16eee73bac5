#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "JavaSystemLayout.h"

namespace mirobanth::managed {

// Everything that decides the VM options: the launcher's flags and the two
// environment overrides. Built by Managed, read by buildVMOptions.
struct VMOptionSettings {
    // The folder that holds the product's files; the relative entries of the
    // class path, the library path and the policy are found in it.
    std::string productFolder;
    // The product's own jar: the lower-case application name and ".jar".
    std::string applicationJar;
    bool nativeLookAndFeel = true;
    bool importingSubstance = false;
    bool customLookAndFeel = false;
    std::string lookAndFeelClass;
    bool gemini = false;
    bool chrome = true;
    bool secured = false;
    // A described product's own class path, absolute entries in order: it
    // takes the place of the launcher's runtime jar and the application jar.
    std::optional<std::vector<std::string>> describedClassPath;
    // MIROBANTH_CLASSPATH and MIROBANTH_LIBRARYPATH: complete option texts;
    // nothing when the variable is unset or empty.
    std::optional<std::string> classPathOverride;
    std::optional<std::string> libraryPathOverride;
};

// The VM always receives eight options: a feature that is off keeps its
// slot with a harmless "ignore" property, so the slots never move.
constexpr int VM_OPTION_COUNT = 8;
using VMOptionTexts = std::array<std::string, VM_OPTION_COUNT>;

// Indexes of the options that the launcher reports or reuses.
enum VMOptionIndex {
    CLASS_PATH_OPTION = 1,
    LIBRARY_PATH_OPTION = 2,
    LOOK_AND_FEEL_OPTION = 4,
};

VMOptionTexts buildVMOptions(const VMOptionSettings& settings, const JavaSystemLayout& layout);

// What keeps an override from standing in the options, as a sentence that
// names its variable; "" when nothing does. Each must hold the whole option,
// its property included: a bare path list would reach the VM as an option of
// its own, which the VM refuses without saying where it came from.
std::string overrideProblem(const VMOptionSettings& settings);

std::string classPathOption(const VMOptionSettings& settings, const JavaSystemLayout& layout);
std::string libraryPathOption(const VMOptionSettings& settings, const JavaSystemLayout& layout);
std::string policyOption(const VMOptionSettings& settings, const JavaSystemLayout& layout);
std::string lookAndFeelOption(const VMOptionSettings& settings, const JavaSystemLayout& layout);

}  // namespace mirobanth::managed
