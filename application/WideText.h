#pragma once

#include <string>

namespace mirobanth::application {

// The wide text as UTF-8. wchar_t holds UTF-16 on Windows and UTF-32
// elsewhere; both are read here. What is not a character (a lone surrogate,
// a value beyond U+10FFFF) becomes U+FFFD, the replacement character.
std::string toUtf8(const std::wstring& text);

}  // namespace mirobanth::application
