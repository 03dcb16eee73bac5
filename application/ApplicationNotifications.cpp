#include <mirobanth/application/Application.h>
#include <mirobanth/application/Notify.h>

namespace mirobanth::application {

// The application acknowledges a notification without acting on it; the
// caller keeps the record and deletes it.
void Application::announce(Notify* notify) {
    core::Console::info(this, "Ignored: " + notify->getName());
}

}  // namespace mirobanth::application
