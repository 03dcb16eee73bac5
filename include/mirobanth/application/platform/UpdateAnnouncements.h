#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/core/Name.h>

namespace mirobanth::application {

// One-line announcements of the update check, tagged with the source's name
// (usually the application's). A null source only warns that it is NULL.
MIROBANTH_APPLICATION_API void announceNativeUpdate(const core::Name* source);
MIROBANTH_APPLICATION_API void announceAddress(const core::Name* source);

}  // namespace mirobanth::application
