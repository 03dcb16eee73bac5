#include "application/platform/UpdateAnnouncements.h"

#include "core/Console.h"

namespace mirobanth::application {

void announceNativeUpdate(const core::Name* source) {
    core::Console::info(source, "Native update code");
}

void announceAddress(const core::Name* source) { core::Console::info(source, "DA:00::00"); }

}  // namespace mirobanth::application
