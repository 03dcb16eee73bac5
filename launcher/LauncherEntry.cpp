// The entry sequence shared by both launchers. It writes nothing itself and
// catches nothing: failures are reported inside the construction, or by the
// reading of the product's description.
#include "LauncherEntry.h"

#include <mirobanth/application/Application.h>
#include <mirobanth/managed/ProductDescription.h>
#include <mirobanth/managed/products/MirobanthDescribedProduct.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>

#include "OperatingSystem.h"

using mirobanth::application::Application;
using mirobanth::managed::DescribedLaunch;

int runTintavel(int argc, char** argv) {
    // Lines to a closed pipe (`| head -1`) fail quietly instead of ending the
    // launcher: its status is the Java program's. The launcher owns its
    // process; the libraries leave a host's signal dispositions alone.
    mirobanth::os::ignoreBrokenPipe();
    // A launcher copied under a product's name runs the product its
    // description in the same folder names; without one it is Tintavel.
    const DescribedLaunch described =
        mirobanth::managed::prepareDescribedLaunch(mirobanth::os::executablePath());
    switch (described.state) {
        case DescribedLaunch::State::NotDescribed:
            return Application::launch(new MirobanthTintavel(argc, argv));
        case DescribedLaunch::State::Invalid:
            return 1;
        case DescribedLaunch::State::Ready:
            break;
    }
    return Application::launch(new MirobanthDescribedProduct(described, argc, argv));
}
