#pragma once

#include <string>

namespace mirobanth::managed {

// The parts of the VM options that depend on the system the VM runs on.
struct JavaPlatformTexts {
    // Separates the entries of java.class.path and java.library.path.
    std::string pathListSeparator;
    // Separates a folder from the names inside it.
    std::string directorySeparator;
    // The look and feel that matches the desktop, used unless a skin was asked for.
    std::string nativeLookAndFeelClass;
};

// Both systems' texts exist in every build, so either can be tested anywhere.
JavaPlatformTexts windowsJavaPlatformTexts();
// Without a display (DISPLAY or WAYLAND_DISPLAY) GTK cannot start, so the
// native look and feel is then the one Swing draws itself.
JavaPlatformTexts linuxJavaPlatformTexts(bool displayAvailable);

// The texts of the system this build targets; each system's answer lives in
// its own source file under os/.
JavaPlatformTexts hostJavaPlatformTexts();

}  // namespace mirobanth::managed
