#pragma once

#include <fstream>
#include <string>

// Application state: the state record, the texts of its keys and entries,
// the readers of the plain-text state files beside the working folder and
// the stream operations on them. They print what they read and keep
// nothing yet. Internal to the application library.
namespace mirobanth::application {

class Application;
class PropertyTable;

// A piece of application state. For now it only announces itself: "<STATE>",
// and with a key and a value also the line "key value".
class State {
public:
    State();
    State(std::string key, std::string value);
};

// "@" + name.
std::string makeKey(std::string name);
// "Unknown:" + key + "=" + value.
std::string makeEntry(std::string key, std::string value);
// Storing is not available yet; reports itself as not implemented.
void storeEntry(std::string key, std::string value);

// A missing state file is reported and is no error.

// Writes the key of every key=value line of "../brask.state" on standard output.
void listStateKeys();

// "..\" + the name in lower case + ".state", announced as an information line.
std::string stateFilePath(std::string applicationName);

// Writes every word of the application's state file as the information line
// "-" + word. Nothing is kept yet, so the answer is always null.
PropertyTable* loadApplicationState(const Application* application);

// The caller opens the stream (or fails to); each operation that reads or
// writes closes it when done.

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
