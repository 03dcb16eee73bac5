#pragma once

#include <mirobanth/application/ApplicationExport.h>

#include <string>

namespace mirobanth::application {

class Application;

// Shows a web address in a browser, or embeds an application in a window
// that the Java side provides through its native AWT interface (the handle of
// an AWT component's native window). Neither is available yet: the
// operations check their arguments, report, and open or embed nothing.
class MIROBANTH_APPLICATION_API View {
public:
    View& operator=(const View&) = default;

    static void browse(std::string url);

    // Width and height default to 400, the flag to true. The embedded
    // application would be answered; for now it is always null.
    static Application* asApplication(std::string name, void* handle);
    static Application* asApplication(std::string name, void* handle, bool flag);
    static Application* asApplication(std::string name, void* handle, int width, int height);
    static Application* asApplication(std::string name, void* handle, int width, int height,
                                      bool flag);

private:
    View() = default;
};

}  // namespace mirobanth::application
