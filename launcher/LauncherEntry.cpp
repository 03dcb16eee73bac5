// The entry sequence shared by both Tintavel launchers. It writes nothing of
// its own and catches nothing for good: failures are reported inside the
// construction, and an exception leaves the entry as it was thrown.
#include "LauncherEntry.h"

#include <mirobanth/application/Application.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>

#include <exception>

#include "JavaOptions.h"
#include "OperatingSystem.h"

int runTintavel(int argc, char** argv) {
    // Lines to a closed pipe (`| head -1`) fail quietly instead of ending the
    // launcher: its status is the Java program's. The launcher owns its
    // process; the libraries leave a host's signal dispositions alone.
    mirobanth::os::ignoreBrokenPipe();
    mirobanth::os::restrictLibrarySearch();
    int status = 1;
    std::exception_ptr thrown;
    auto launch = [&] {
        try {
            status = mirobanth::application::Application::launch(new MirobanthTintavel(argc, argv));
        } catch (...) {
            thrown = std::current_exception();
        }
    };
    // The VM runs main on the thread that creates it. The first thread's
    // stack is the one the command line and the environment already fill,
    // and its size the VM can only guess; so, as java does, the launch runs
    // on a thread with the stack the Java options ask for. Without such a
    // thread it runs here, as it would have anyway.
    const std::size_t stack =
        mirobanth::java::launchThreadStackSize(mirobanth::java::withEnvironmentOptions());
    if (!mirobanth::os::runOnNewThread(stack, launch)) launch();
    if (thrown) std::rethrow_exception(thrown);
    return status;
}
