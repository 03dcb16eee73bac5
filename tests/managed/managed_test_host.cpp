// A host that uses the classes, for what the flat functions do not reach.
//
//   managed_test_host updates NAME CLASS    launches CLASS (which should be missing,
//       so the VM stays alive), then probes for the updater
#include <mirobanth/managed/Managed.h>

#include <cstring>
#include <iostream>

using mirobanth::managed::Managed;

namespace {

int updates(char** argv) {
    Managed managed(argv[2], 1, argv);
    managed.launch(argv[3]);
    managed.checkForUpdates(nullptr);
    return managed.isLaunchFailed() ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "updates") == 0) return updates(argv);
    std::cerr << "usage: " << argv[0] << " updates NAME CLASS\n";
    return 2;
}
