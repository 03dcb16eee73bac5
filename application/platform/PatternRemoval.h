#pragma once

#include <string>

namespace mirobanth::application {

// The text less one character per occurrence of pattern: the first character
// of the leftmost occurrence goes, and again in what is left, until no
// occurrence remains. Deletions can make new occurrences ("aabb" less "ab" is
// "bb"); the result is exactly that of starting over at the text's beginning
// after each deletion, in time near linear in the text. An empty pattern
// removes nothing.
std::string removeOccurrences(std::string text, const std::string& pattern);

}  // namespace mirobanth::application
