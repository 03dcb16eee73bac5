#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mirobanth::test {

// The outcome of a program run to its end.
struct ChildResult {
    int status = -1;  // exit status, or 128 + signal number
    std::string out;
    std::string err;
};

// How to run a child: its arguments (the first names the program, as a path),
// environment changes (a value of nullopt removes the variable), a working
// folder and what it reads on standard input.
struct ChildOptions {
    std::vector<std::string> args;
    std::map<std::string, std::optional<std::string>> env;
    std::string workingDirectory;
    std::string input;
    int timeoutSeconds = 60;
};

// Runs the program without a shell and collects its streams and status.
// A child that outlives its time is killed and reported with status -1.
// Its standard input is fed while its output is read, so neither side can
// block the other, and writing to a child that stopped reading harms neither
// this process nor the child. Line ends arrive as "\n" on every system.
ChildResult runChild(const ChildOptions& options);
// The same with arguments alone: inherited environment, folder and no input.
ChildResult runChild(std::vector<std::string> args);
// The program with those arguments, under the rest of options (whose
// arguments it sets).
ChildResult runChild(ChildOptions& options, const std::string& program,
                     const std::vector<std::string>& arguments);

// Folder of the running test program (where the build puts every binary).
std::string binaryDirectory();
// Full path of a program the build put beside the test program ("name.exe" on Windows).
std::string programPath(const std::string& name);
// The file name of a program built as name ("name.exe" on Windows).
std::string programFileName(const std::string& name);
// Copies that program into folder as newName ("newName.exe" on Windows); returns the copy's path.
std::string copyProgram(const std::string& name, const std::string& folder,
                        const std::string& newName);

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return folder; }
    // Writes a file (creating its folders) and returns its full path.
    std::string write(const std::string& relativePath, const std::string& content) const;

private:
    std::string folder;
};

}  // namespace mirobanth::test
