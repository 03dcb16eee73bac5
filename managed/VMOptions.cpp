#include "VMOptions.h"

#include <vector>

#include "OperatingSystem.h"

namespace mirobanth::managed {

namespace {

const char* const CLASS_PATH_PROPERTY = "-Djava.class.path=";
const char* const LIBRARY_PATH_PROPERTY = "-Djava.library.path=";
const char* const LOOK_AND_FEEL_PROPERTY = "-Dswing.defaultlaf=";
const char* const GEMINI_SKIN = "org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel";
const char* const RAVEN_GRAPHITE_SKIN =
    "org.jvnet.substance.skin.SubstanceRavenGraphiteLookAndFeel";

// With the native look and feel the skin's own switches mean nothing, so
// option 5 carries a placeholder instead of mirobanth.chrome.
std::string chromeOption(const VMOptionSettings& settings) {
    if (settings.nativeLookAndFeel) return "-Dmirobanth.ignore=just";
    return settings.chrome ? "-Dmirobanth.chrome=true" : "-Dmirobanth.chrome=false";
}

// A product file as the VM must see it: beside the product, never in the
// working directory, where any folder could plant a jar of the same name.
std::string productFile(const VMOptionSettings& settings, const JavaSystemLayout& layout,
                        const std::string& entry) {
    return os::inFolder(settings.productFolder, entry, layout.directorySeparator);
}

std::string pathOption(const std::string& property, const std::vector<std::string>& entries,
                       const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    std::string option = property;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) option += layout.pathListSeparator;
        option += productFile(settings, layout, entries[i]);
    }
    return option;
}

std::string overrideProblem(const char* variable, const std::optional<std::string>& value,
                            const std::string& property) {
    if (!value || value->compare(0, property.size(), property) == 0) return "";
    return std::string(variable) + " must hold a whole option beginning with \"" + property +
           "\", not \"" + *value + "\"";
}

// A described product brings only its own jars, and the Substance jar when
// one of the skins is in effect.
std::string describedClassPathOption(const VMOptionSettings& settings,
                                     const JavaSystemLayout& layout) {
    std::string option = "-Djava.class.path=";
    std::vector<std::string> entries = *settings.describedClassPath;
    if (!settings.nativeLookAndFeel && !settings.customLookAndFeel) {
        entries.push_back(productFile(settings, layout, "ext/substance.jar"));
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        option += (i > 0 ? layout.pathListSeparator : "") + entries[i];
    }
    return option;
}

}  // namespace

std::string classPathOption(const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    if (settings.classPathOverride) return *settings.classPathOverride;
    if (settings.describedClassPath) return describedClassPathOption(settings, layout);
    std::vector<std::string> entries = {".", "mirobanth-runtime.jar"};
    // The skins live in the Substance jar; a product may ask for it even when
    // it starts with the native look and feel, to switch skins later.
    if (!settings.nativeLookAndFeel || settings.importingSubstance) {
        entries.push_back("ext/substance.jar");
    }
    entries.push_back(settings.applicationJar);
    return pathOption(CLASS_PATH_PROPERTY, entries, settings, layout);
}

std::string libraryPathOption(const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    if (settings.libraryPathOverride) return *settings.libraryPathOverride;
    return pathOption(LIBRARY_PATH_PROPERTY, {".", "system/"}, settings, layout);
}

std::string policyOption(const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    if (!settings.secured) return "-Dmirobanth.ignore2";
    return "-Djava.security.policy=" + productFile(settings, layout, "system/VM.policy");
}

std::string lookAndFeelOption(const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    if (settings.nativeLookAndFeel) return LOOK_AND_FEEL_PROPERTY + layout.nativeLookAndFeelClass;
    if (settings.customLookAndFeel) return LOOK_AND_FEEL_PROPERTY + settings.lookAndFeelClass;
    return LOOK_AND_FEEL_PROPERTY +
           std::string(settings.gemini ? GEMINI_SKIN : RAVEN_GRAPHITE_SKIN);
}

VMOptionTexts buildVMOptions(const VMOptionSettings& settings, const JavaSystemLayout& layout) {
    return {
        "-Dmirobanth.nx=true",
        classPathOption(settings, layout),
        libraryPathOption(settings, layout),
        "-Dmirobanth.override=true",
        lookAndFeelOption(settings, layout),
        chromeOption(settings),
        settings.secured ? "-Djava.security.manager" : "-Dmirobanth.ignore1",
        policyOption(settings, layout),
    };
}

std::string overrideProblem(const VMOptionSettings& settings) {
    std::string problem =
        overrideProblem("MIROBANTH_CLASSPATH", settings.classPathOverride, CLASS_PATH_PROPERTY);
    if (!problem.empty()) return problem;
    return overrideProblem("MIROBANTH_LIBRARYPATH", settings.libraryPathOverride,
                           LIBRARY_PATH_PROPERTY);
}

}  // namespace mirobanth::managed
