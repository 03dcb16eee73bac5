#include "products/MirobanthRecodra.h"

#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>

using mirobanth::core::Console;

std::string MirobanthRecodra::NAME = "Recodra";

MirobanthRecodra::MirobanthRecodra(int argc, char** argv) : Application(NAME, argc, argv) {
    Console::info(this, "recodra is running");
    std::string message = "Arguments: ";
    for (int i = 0; i < argc; ++i) message += std::string(argv[i]) + " ";
    getPlatform()->alert(getApplicationName(), message);
}

MirobanthRecodra::~MirobanthRecodra() { Console::finalizeEvent(this); }
