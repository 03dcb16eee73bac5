#pragma once

#include <string>
#include <vector>

namespace mirobanth::test {

// A writable argument vector that owns its texts, as main() receives it: the
// first names the program, and a null entry follows the last.
class CommandLine {
public:
    CommandLine(std::vector<std::string> arguments) : texts(std::move(arguments)) {
        for (std::string& text : texts) pointers.push_back(text.data());
        pointers.push_back(nullptr);
    }
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    int argc() const { return static_cast<int>(texts.size()); }
    char** argv() { return pointers.data(); }

private:
    std::vector<std::string> texts;
    std::vector<char*> pointers;
};

}  // namespace mirobanth::test
