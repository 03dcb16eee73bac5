#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthLayout.h>

std::string MirobanthLayout::NAME = "MirobanthLayout";

MirobanthLayout::MirobanthLayout(int argc, char** argv) : Managed(NAME, argc, argv) {
    launchWithString("com/mirobanth/app/layout/MirobanthLayout");
}

MirobanthLayout::~MirobanthLayout() { mirobanth::core::Console::finalizeEvent(this); }
