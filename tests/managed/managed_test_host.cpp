// A host that uses the classes, for what the flat functions do not reach.
//
//   managed_test_host java NAME CLASS [ARGUMENT...]    exits with Managed::java's value
//   managed_test_host updates NAME CLASS               launches CLASS (which should be
//       missing, so the VM stays alive), then probes for the updater
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/Managed.h>

#include <cstring>
#include <iostream>
#include <vector>

using mirobanth::managed::Managed;

namespace {

// Its command line: this program, then the ARGUMENTs and argv's closing null.
int java(int argc, char** argv) {
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 4, argv + argc + 1);
    return Managed::java(argv[2], argv[3], argc - 3, arguments.data());
}

int updates(char** argv) {
    Managed managed(argv[2], 1, argv);
    managed.launch(argv[3]);
    managed.checkForUpdates(nullptr);
    return managed.isLaunchFailed() ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "java") == 0) return java(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "updates") == 0) return updates(argv);
    std::cerr << "usage: " << argv[0] << " java NAME CLASS [ARGUMENT...] | updates NAME CLASS\n";
    return 2;
}
