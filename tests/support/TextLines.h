#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace mirobanth::test {

// Texts a line each, as the tests compare output and records.
using Lines = std::vector<std::string>;

// The text split into lines (without their line ends, "\n" or "\r\n").
std::vector<std::string> lines(const std::string& text);
// The bytes of a file (none when it cannot be read), and its lines.
std::string fileText(const std::string& path);
std::vector<std::string> fileLines(const std::string& path);
// The lines of each part, one part after the other.
std::vector<std::string> concatenated(std::initializer_list<std::vector<std::string>> parts);

}  // namespace mirobanth::test
