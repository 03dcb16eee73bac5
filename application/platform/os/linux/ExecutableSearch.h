#pragma once

#include <string>
#include <vector>

namespace mirobanth::application {

// Looks programs up in a PATH value the way a shell would, without running one.
class ExecutableSearch {
public:
    // The absolute folders of a PATH value in order. Empty and relative
    // entries are left out: they name the working folder or one below it,
    // where any download could plant a program of the same name.
    static std::vector<std::string> folders(const std::string& searchPath);
    // Every runnable file called name in those folders, in PATH order.
    static std::vector<std::string> findAll(const std::string& name, const std::string& searchPath);
    // The first of them, or "" when there is none.
    static std::string find(const std::string& name, const std::string& searchPath);
};

}  // namespace mirobanth::application
