// Runs an application's interactive command loop on the real standard input.
#include <mirobanth/application/Application.h>

int main() {
    mirobanth::application::Application application("Tintavel", 0, nullptr);
    application.standardInputMode();
    return 0;
}
