#pragma once

#include <string>

// The few process-level facilities the application object needs before it
// has a platform object. Each operating system answers in its own file.
namespace mirobanth::application::systemenv {

// Sets an environment variable of this process (the runtime library keeps a copy).
void setVariable(const std::string& name, const std::string& value);

// The processor architecture the operating system reports, or "" when it
// reports none.
std::string machineArchitecture();

// True for a file that exists and can be opened for reading; a file that
// another program has open (as an installer may) counts too. The path is UTF-8.
bool isReadableFile(const std::string& path);

// Runs a command line through the system's command interpreter, waits for it
// and returns what the runtime library's system() returns.
int runCommandLine(const std::string& command);

}  // namespace mirobanth::application::systemenv
