#pragma once

#include <string>

namespace mirobanth::managed {

// The UTF-16 text of a UTF-8 byte string, as Java strings hold it: code
// points above U+FFFF become surrogate pairs. Ill-formed bytes (a stray
// continuation byte, a truncated or overlong sequence, an encoded surrogate,
// anything above U+10FFFF) become U+FFFD exactly where and as often as Java's
// `new String(bytes, UTF_8)` puts one.
std::u16string decodeUtf8(const std::string& text);

}  // namespace mirobanth::managed
