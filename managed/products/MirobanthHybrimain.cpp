#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthHybrimain.h>

using mirobanth::core::Console;

std::string MirobanthHybrimain::NAME = "Hybrimain";

namespace {

bool hasApplicationSwitch(int argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        if (std::string(argv[i]) == "-app") return true;
    }
    return false;
}

}  // namespace

// Without even a program name there is nothing to launch: only the usage.
MirobanthHybrimain::MirobanthHybrimain(int argc, char** argv) : Managed(NAME, argc, argv) {
    if (argc == 0) {
        Console::info("Usage: Hybrimain [-app com.ExampleApp] myapp.xml");
        return;
    }
    launchWithString(hasApplicationSwitch(argc, argv) ? "com/mirobanth/ds/runtime/DSR"
                                                      : "com/mirobanth/hybrid/app/Hybrimain");
}

MirobanthHybrimain::~MirobanthHybrimain() { Console::finalizeEvent(this); }

bool MirobanthHybrimain::isAutoResolvingClass() const { return false; }

// The program runs itself again on the default application file; relaunch
// quotes its path, so a program installed under a folder with blanks still runs.
int MirobanthHybrimain::relaunchIfWithoutArguments(int argc, char** argv) {
    if (argc == 1) {
        Console::info("No arguments, attempting to load app/application.xml");
        return relaunch(argc, argv, " app/application.xml");
    }
    return Application::launch(new MirobanthHybrimain(argc, argv));
}
