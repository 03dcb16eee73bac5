#pragma once

#include <string>

namespace mirobanth::managed {

// The parts of the VM options, and of where the VM is found, that depend on
// the system the VM runs on.
struct JavaPlatformTexts {
    // Separates the entries of java.class.path and java.library.path.
    std::string pathListSeparator;
    // Separates a folder from the names inside it.
    std::string directorySeparator;
    // The look and feel that matches the desktop, used unless a skin was asked for.
    std::string nativeLookAndFeelClass;
    // The VM library of a Java runtime image, relative to the image's folder.
    std::string runtimeImageVMLibrary;
    // A runtime of feature version <N> that the user can install, as the
    // message of a product that needs a newer Java names it; "" for none.
    std::string runtimeExample;
    // The Java launcher of a runtime, relative to its home.
    std::string javaLauncher;
};

// The folder beside the product's files that may hold the product's own Java
// runtime image.
inline constexpr const char* BUNDLED_RUNTIME_FOLDER = "runtime";

// Both systems' texts exist in every build, so either can be tested anywhere.
JavaPlatformTexts windowsJavaPlatformTexts();
// Without a display (DISPLAY or WAYLAND_DISPLAY) GTK cannot start, so the
// native look and feel is then the one Swing draws itself.
JavaPlatformTexts linuxJavaPlatformTexts(bool displayAvailable);

// The texts of the system this build runs on, with its display as it is now.
JavaPlatformTexts hostJavaPlatformTexts();

}  // namespace mirobanth::managed
