#include "ChildProcess.h"

#include <filesystem>
#include <fstream>

#include "TestSystem.h"

namespace mirobanth::test {

ChildResult runChild(std::vector<std::string> args) {
    ChildOptions options;
    options.args = std::move(args);
    return runChild(options);
}

ChildResult runChild(ChildOptions& options, const std::string& program,
                     const std::vector<std::string>& arguments) {
    options.args = {program};
    options.args.insert(options.args.end(), arguments.begin(), arguments.end());
    return runChild(options);
}

std::string binaryDirectory() {
    return std::filesystem::u8path(system::programFile()).parent_path().u8string();
}

std::string programFileName(const std::string& name) { return system::programFileName(name); }

std::string programPath(const std::string& name) {
    return binaryDirectory() + "/" + programFileName(name);
}

std::string copyProgram(const std::string& name, const std::string& folder,
                        const std::string& newName) {
    std::filesystem::path copy =
        std::filesystem::u8path(folder) / std::filesystem::u8path(system::programFileName(newName));
    std::filesystem::create_directories(copy.parent_path());
    std::filesystem::copy_file(std::filesystem::u8path(programPath(name)), copy,
                               std::filesystem::copy_options::overwrite_existing);
    return copy.u8string();
}

TemporaryFolder::TemporaryFolder() : folder(system::makeTemporaryFolder()) {}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::u8path(folder), ignored);
}

std::string TemporaryFolder::write(const std::string& relativePath,
                                   const std::string& content) const {
    std::filesystem::path path =
        std::filesystem::u8path(folder) / std::filesystem::u8path(relativePath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return path.u8string();
}

}  // namespace mirobanth::test
