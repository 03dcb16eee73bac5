#pragma once

#include <string>

namespace mirobanth::application {

// UTF-8 text as the wide text of the Win32 API.
std::wstring widen(const std::string& text);

}  // namespace mirobanth::application
