#pragma once

#include <string>

namespace mirobanth::managed {

// What differs between the systems a VM runs on, for the VM options and for
// finding the VM: the separators, where a runtime keeps its files and the
// look and feel that matches the desktop.
struct JavaSystemLayout {
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

// Both systems' layouts exist in every build, so either can be tested anywhere.
JavaSystemLayout windowsJavaLayout();
// Without a display (DISPLAY or WAYLAND_DISPLAY) GTK cannot start, so the
// native look and feel is then the one Swing draws itself.
JavaSystemLayout linuxJavaLayout(bool displayAvailable);

// The layout of the system this build runs on, with its display as it is now.
JavaSystemLayout hostJavaLayout();

}  // namespace mirobanth::managed
