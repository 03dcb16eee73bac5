#pragma once

#include <string>

// Text between UTF-8, the encoding of every narrow string of the system, and
// UTF-16, that of Java strings and of the Windows API.
namespace mirobanth::text {

// The UTF-16 text of a UTF-8 byte string, as Java strings hold it: code
// points above U+FFFF become surrogate pairs. Ill-formed bytes (a stray
// continuation byte, a truncated or overlong sequence, an encoded surrogate,
// anything above U+10FFFF) become U+FFFD exactly where and as often as Java's
// `new String(bytes, UTF_8)` puts one.
std::u16string decodeUtf8(const std::string& text);

// Whether the bytes are UTF-8 throughout: nothing in them decodes to U+FFFD
// but that character itself.
bool isWellFormedUtf8(const std::string& text);

// The wide text as UTF-8. wchar_t holds UTF-16 on Windows and UTF-32
// elsewhere; both are read here. What is not a character (a lone surrogate,
// a value beyond U+10FFFF) becomes U+FFFD, the replacement character.
std::string toUtf8(const std::wstring& text);

// UTF-8 text as wide text (UTF-16 on Windows, code points elsewhere), decoded
// as decodeUtf8 decodes it.
std::wstring widen(const std::string& text);

}  // namespace mirobanth::text
