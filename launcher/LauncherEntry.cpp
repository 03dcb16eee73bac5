// The entry sequence shared by both Tintavel launchers. It writes nothing and
// reads no environment variable of its own, and catches nothing: failures are
// reported inside the construction.
#include "launcher/LauncherEntry.h"

#include "application/Application.h"
#include "launcher/ProcessSetup.h"
#include "managed/products/MirobanthTintavel.h"

int runTintavel(int argc, char** argv) {
    prepareLauncherProcess();
    return mirobanth::application::Application::launch(new MirobanthTintavel(argc, argv));
}
