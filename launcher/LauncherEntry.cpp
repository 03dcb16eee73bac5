// The entry sequence shared by both launchers. It writes nothing of its own
// and catches nothing for good: failures are reported inside the
// construction, or by the reading of the product's description, and an
// exception leaves the entry as it was thrown.
#include "LauncherEntry.h"

#include <mirobanth/application/Application.h>
#include <mirobanth/managed/ProductDescription.h>
#include <mirobanth/managed/products/MirobanthDescribedProduct.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>

#include <exception>

#include "JavaOptions.h"
#include "OperatingSystem.h"

using mirobanth::application::Application;
using mirobanth::managed::DescribedLaunch;

namespace {

// The product the launcher runs: the one its description names, or Tintavel.
Application* newProduct(const DescribedLaunch& described, int argc, char** argv) {
    if (described.state == DescribedLaunch::State::Ready) {
        return new MirobanthDescribedProduct(described, argc, argv);
    }
    return new MirobanthTintavel(argc, argv);
}

}  // namespace

int runTintavel(int argc, char** argv) {
    // Lines to a closed pipe (`| head -1`) fail quietly instead of ending the
    // launcher: its status is the Java program's. The launcher owns its
    // process; the libraries leave a host's signal dispositions alone.
    mirobanth::os::ignoreBrokenPipe();
    mirobanth::os::restrictLibrarySearch();
    // A launcher copied under a product's name runs the product its
    // description in the same folder names; without one it is Tintavel.
    const DescribedLaunch described =
        mirobanth::managed::prepareDescribedLaunch(mirobanth::os::executablePath());
    if (described.state == DescribedLaunch::State::Invalid) return 1;
    int status = 1;
    std::exception_ptr thrown;
    auto launch = [&] {
        try {
            status = Application::launch(newProduct(described, argc, argv));
        } catch (...) {
            thrown = std::current_exception();
        }
    };
    // The VM runs main on the thread that creates it. The first thread's
    // stack is the one the command line and the environment already fill,
    // and its size the VM can only guess; so, as java does, the launch runs
    // on a thread with the stack the Java options ask for (a described
    // product's and its user's among them). Without such a thread it runs
    // here, as it would have anyway.
    const std::size_t stack = mirobanth::java::launchThreadStackSize(
        mirobanth::java::withEnvironmentOptions(described.javaOptions()));
    if (!mirobanth::os::runOnNewThread(stack, launch)) launch();
    if (thrown) std::rethrow_exception(thrown);
    return status;
}
