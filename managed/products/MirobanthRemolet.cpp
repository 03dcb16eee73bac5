#include "products/MirobanthRemolet.h"

#include <mirobanth/application/platform/Platform.h>
#include <mirobanth/core/Console.h>

using mirobanth::core::Console;

std::string MirobanthRemolet::NAME = "Remolet";

// Shares Recodra's running line: both come from one template of product.
MirobanthRemolet::MirobanthRemolet(int argc, char** argv) : Application(NAME, argc, argv) {
    Console::info(this, "recodra is running");
    getPlatform()->alert(getApplicationName(), "MirobanthRemolet");
}

MirobanthRemolet::~MirobanthRemolet() { Console::finalizeEvent(this); }
