#pragma once

#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace mirobanth::test {

// Stand-ins for zenity, kdialog and xmessage in a folder of their own: each
// records its path and arguments (NUL-separated, as arguments may hold
// newlines) in <name>.args, adds a line to "runs", and exits with the status
// it was given.
class FakeDialogs {
public:
    std::string binFolder() const { return folder.path() + "/bin"; }

    void install(const std::string& name, int status,
                 const std::string& interpreter = "/bin/sh") const {
        std::string script = "#!" + interpreter + "\n" + "printf '%s\\0' \"$0\" \"$@\" > '" +
                             argumentsFile(name) + "'\n" + "echo run >> '" + folder.path() +
                             "/runs'\n" + "exit " + std::to_string(status) + "\n";
        chmod(folder.write("bin/" + name, script).c_str(), 0755);
    }
    std::vector<std::string> arguments(const std::string& name) const {
        std::vector<std::string> result;
        std::string text = read(argumentsFile(name));
        for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos;
             start = end + 1) {
            result.push_back(text.substr(start, end - start));
        }
        return result;
    }
    std::string runs() const { return read(folder.path() + "/runs"); }

private:
    std::string argumentsFile(const std::string& name) const {
        return folder.path() + "/" + name + ".args";
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TemporaryFolder folder;
};

}  // namespace mirobanth::test
