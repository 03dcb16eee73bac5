#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthTintavel.h>

std::string MirobanthTintavel::NAME = "Tintavel";

MirobanthTintavel::MirobanthTintavel(int argc, char** argv) : Managed(NAME, argc, argv) {
    setImportingSubstance(true);
    launchWithString("com/mirobanth/tintavel/Tintavel");
}

MirobanthTintavel::~MirobanthTintavel() { mirobanth::core::Console::finalizeEvent(this); }

bool MirobanthTintavel::isImportingSubstance() const { return true; }
