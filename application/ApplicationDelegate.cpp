#include <mirobanth/application/Application.h>
#include <mirobanth/application/ApplicationDelegate.h>
#include <mirobanth/core/Console.h>

namespace mirobanth::application {

using core::Console;

ApplicationDelegate::ApplicationDelegate() : Name("ApplicationDelegate") {}

ApplicationDelegate::~ApplicationDelegate() = default;

void ApplicationDelegate::applicationInitEvent(Application* application) {
    if (!application) Console::warn(this, "NULL delegate");
}

void ApplicationDelegate::exitValueEvent(Application* application) {
    if (!application) Console::warn(this, "NULL delegate");
}

void Application::setDelegate(ApplicationDelegate* newDelegate) {
    // Replacing a delegate ends the old one; the application's own end does not.
    if (newDelegate == delegate) return;
    delete delegate;
    delegate = newDelegate;
}

ApplicationDelegate* Application::getDelegate() const { return delegate; }

}  // namespace mirobanth::application
