#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthEffects.h>

std::string MirobanthEffects::NAME = "MirobanthFX";

MirobanthEffects::MirobanthEffects(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/fx/MirobanthFX");
}

MirobanthEffects::~MirobanthEffects() { mirobanth::core::Console::finalizeEvent(this); }
