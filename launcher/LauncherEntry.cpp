// The entry sequence shared by both Tintavel launchers. It writes nothing and
// reads no environment variable of its own, and catches nothing: failures are
// reported inside the construction.
#include "LauncherEntry.h"

#include <mirobanth/application/Application.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>

#include "OperatingSystem.h"

int runTintavel(int argc, char** argv) {
    // Lines to a closed pipe (`| head -1`) fail quietly instead of ending the
    // launcher: its status is the Java program's. The launcher owns its
    // process; the libraries leave a host's signal dispositions alone.
    mirobanth::os::ignoreBrokenPipe();
    mirobanth::os::restrictLibrarySearch();
    return mirobanth::application::Application::launch(new MirobanthTintavel(argc, argv));
}
