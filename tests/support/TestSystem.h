#pragma once

#include <cstdio>
#include <optional>
#include <string>

// What the test helpers need from the operating system, one file per system
// (os/<system>/TestSystem.cpp).
namespace mirobanth::test::system {

// Full path of the running test program.
std::string programFile();
// Makes a new empty folder under the system's temporary folder; returns its path.
std::string makeTemporaryFolder();
// Opens a new temporary file for reading and writing, removed when closed.
std::FILE* makeTemporaryFile();
// Sets a variable of this process's environment, or removes it (nullopt).
void setEnvironment(const std::string& name, const std::optional<std::string>& value);
// The file name of a program built as name.
std::string programFileName(const std::string& name);
// Makes writes to the file descriptor pass their bytes unchanged (no line-end
// translation); returns the mode to give back to restoreMode.
int rawMode(int fd);
void restoreMode(int fd, int mode);

}  // namespace mirobanth::test::system
