#pragma once

#include <string>

namespace mirobanth::application {

class Application;
class PropertyTable;

// Readers of the plain-text state files beside the working folder. They
// print what they read and keep nothing; a missing file is reported and is
// no error. Internal to the application library.

// Writes the key of every key=value line of "../brask.state" on standard output.
void listStateKeys();

// "..\" + the name in lower case + ".state", announced as an information line.
std::string stateFilePath(std::string applicationName);

// Writes every word of the application's state file as the information line
// "-" + word. Nothing is kept yet, so the answer is always null.
PropertyTable* loadApplicationState(const Application* application);

}  // namespace mirobanth::application
