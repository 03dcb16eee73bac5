#include <mirobanth/application/platform/UpdateAnnouncements.h>
#include <mirobanth/core/Console.h>

#include <string>

namespace mirobanth::application {

namespace {

// A line needs a source to be tagged with; without one the caller is told.
void announce(const char* function, const core::Name* source, const char* text) {
    if (!source) return core::Console::warn(std::string(function) + " - source is NULL");
    core::Console::info(source, text);
}

}  // namespace

void announceNativeUpdate(const core::Name* source) {
    announce("announceNativeUpdate", source, "Native update code");
}

void announceAddress(const core::Name* source) { announce("announceAddress", source, "DA:00::00"); }

}  // namespace mirobanth::application
