#pragma once

#include <string>

namespace mirobanth::test::system {

// UTF-8 and UTF-16 text, converted without loss for valid input.
std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& text);

}  // namespace mirobanth::test::system
