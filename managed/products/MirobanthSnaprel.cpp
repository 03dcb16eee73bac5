#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthSnaprel.h>

std::string MirobanthSnaprel::NAME = "Snaprel";

MirobanthSnaprel::MirobanthSnaprel(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/snaprel/Snaprel");
}

MirobanthSnaprel::~MirobanthSnaprel() { mirobanth::core::Console::finalizeEvent(this); }
