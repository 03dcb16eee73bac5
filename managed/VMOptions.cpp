#include "managed/VMOptions.h"

namespace mirobanth::managed {

namespace {

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

}  // namespace

std::string classPathOption(const VMOptionSettings& settings, const JavaPlatformTexts& platform) {
    if (settings.classPathOverride) return *settings.classPathOverride;
    const std::string& separator = platform.pathListSeparator;
    std::string option = "-Djava.class.path=." + separator + "mirobanth-runtime.jar" + separator;
    // The skins live in the Substance jar; a product may ask for it even when
    // it starts with the native look and feel, to switch skins later.
    if (!settings.nativeLookAndFeel || settings.importingSubstance) {
        option += "ext/substance.jar" + separator;
    }
    return option + settings.applicationJar;
}

std::string libraryPathOption(const VMOptionSettings& settings, const JavaPlatformTexts& platform) {
    if (settings.libraryPathOverride) return *settings.libraryPathOverride;
    return "-Djava.library.path=." + platform.pathListSeparator + "system/";
}

std::string lookAndFeelOption(const VMOptionSettings& settings, const JavaPlatformTexts& platform) {
    if (settings.nativeLookAndFeel) return LOOK_AND_FEEL_PROPERTY + platform.nativeLookAndFeelClass;
    if (settings.customLookAndFeel) return LOOK_AND_FEEL_PROPERTY + settings.lookAndFeelClass;
    return LOOK_AND_FEEL_PROPERTY +
           std::string(settings.gemini ? GEMINI_SKIN : RAVEN_GRAPHITE_SKIN);
}

VMOptionTexts buildVMOptions(const VMOptionSettings& settings, const JavaPlatformTexts& platform) {
    return {
        "-Dmirobanth.nx=true",
        classPathOption(settings, platform),
        libraryPathOption(settings, platform),
        "-Dmirobanth.override=true",
        lookAndFeelOption(settings, platform),
        chromeOption(settings),
        settings.secured ? "-Djava.security.manager" : "-Dmirobanth.ignore1",
        settings.secured ? "-Djava.security.policy=system/VM.policy" : "-Dmirobanth.ignore2",
    };
}

}  // namespace mirobanth::managed
