#include "managed/products/MirobanthWarmlet.h"

#include "core/Console.h"

std::string MirobanthWarmlet::NAME = "Warmlet";

MirobanthWarmlet::MirobanthWarmlet(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/warmlet/Warmlet");
}

MirobanthWarmlet::~MirobanthWarmlet() { mirobanth::core::Console::finalizeEvent(this); }
