#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthMedorel.h>

std::string MirobanthMedorel::NAME = "Medorel";

MirobanthMedorel::MirobanthMedorel(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/hybrid/media/Medorel");
}

MirobanthMedorel::~MirobanthMedorel() { mirobanth::core::Console::finalizeEvent(this); }
