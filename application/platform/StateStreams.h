#pragma once

#include <fstream>

namespace mirobanth::application {

// Stream operations on state files. The caller opens the stream (or fails
// to); each operation that reads or writes closes it when done. Internal to
// the application library.

// Reads key and value lines in pairs to the end, keeping neither.
// An unopened stream is reported as "File not found" on standard error.
void readPairs(std::ifstream& in);
// Writes the line "test". An unopened stream is reported as "File not
// found" on standard output.
void writeTest(std::ofstream& out);
// Looks at the stream's state; nothing visible comes of it.
void checkStream(const std::ifstream& in);
// Writes every whitespace-separated word on its own line on standard output.
void printWords(std::ifstream& in);

}  // namespace mirobanth::application
