// The products that only name their application and launch their main class.
#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthEffects.h>
#include <mirobanth/managed/products/MirobanthLayout.h>
#include <mirobanth/managed/products/MirobanthMedorel.h>
#include <mirobanth/managed/products/MirobanthSnaprel.h>
#include <mirobanth/managed/products/MirobanthWarmlet.h>

using mirobanth::core::Console;

std::string MirobanthSnaprel::NAME = "Snaprel";

MirobanthSnaprel::MirobanthSnaprel(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/snaprel/Snaprel");
}

MirobanthSnaprel::~MirobanthSnaprel() { Console::finalizeEvent(this); }

std::string MirobanthEffects::NAME = "MirobanthFX";

MirobanthEffects::MirobanthEffects(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/fx/MirobanthFX");
}

MirobanthEffects::~MirobanthEffects() { Console::finalizeEvent(this); }

std::string MirobanthLayout::NAME = "MirobanthLayout";

MirobanthLayout::MirobanthLayout(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/layout/MirobanthLayout");
}

MirobanthLayout::~MirobanthLayout() { Console::finalizeEvent(this); }

std::string MirobanthMedorel::NAME = "Medorel";

MirobanthMedorel::MirobanthMedorel(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/hybrid/media/Medorel");
}

MirobanthMedorel::~MirobanthMedorel() { Console::finalizeEvent(this); }

std::string MirobanthWarmlet::NAME = "Warmlet";

MirobanthWarmlet::MirobanthWarmlet(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/warmlet/Warmlet");
}

MirobanthWarmlet::~MirobanthWarmlet() { Console::finalizeEvent(this); }
