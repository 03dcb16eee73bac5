#pragma once

#include <string>

namespace mirobanth::managed {

// The UTF-16 text of a UTF-8 byte string, as Java strings hold it: code
// points above U+FFFF become surrogate pairs. Each maximal ill-formed
// sequence (a stray continuation byte, a truncated or overlong sequence, an
// encoded surrogate, anything above U+10FFFF) becomes one U+FFFD, the way
// Java's own UTF-8 decoder replaces it.
std::u16string decodeUtf8(const std::string& text);

}  // namespace mirobanth::managed
