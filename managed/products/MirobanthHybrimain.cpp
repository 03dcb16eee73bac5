#include "managed/products/MirobanthHybrimain.h"

#include <cstdlib>

#include "core/Console.h"

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

int MirobanthHybrimain::relaunchIfWithoutArguments(int argc, char** argv) {
    if (argc == 1) {
        Console::info("No arguments, attempting to load app/application.xml");
        std::string command = std::string(argv[0]) + " app/application.xml";
        [[maybe_unused]] int ignored = std::system(command.c_str());
        return 1;
    }
    return Application::launch(new MirobanthHybrimain(argc, argv));
}
