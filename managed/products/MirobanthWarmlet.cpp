#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthWarmlet.h>

std::string MirobanthWarmlet::NAME = "Warmlet";

MirobanthWarmlet::MirobanthWarmlet(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/warmlet/Warmlet");
}

MirobanthWarmlet::~MirobanthWarmlet() { mirobanth::core::Console::finalizeEvent(this); }
