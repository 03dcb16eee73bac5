// Paths: where a loaded library or program lies, product files named in its
// folder, the absolute paths of each system and the entries of path lists.
#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "OperatingSystem.h"

namespace mirobanth::test { namespace {

const char insideTheTestProgram = 0;

// The build puts the libraries beside the test programs.
TEST(ModuleFolderTest, FindsTheFolderOfTheProgramAndOfALibrary) {
    const std::string expected = binaryDirectory();
    EXPECT_TRUE(std::filesystem::equivalent(os::moduleFolder(&insideTheTestProgram), expected));
    EXPECT_TRUE(
        std::filesystem::equivalent(os::moduleFolder(core::Console().getVersion()), expected));
    EXPECT_EQ(os::moduleFolder(nullptr), "");
}

TEST(ModuleFolderTest, DotIsTheFolderAndOtherEntriesLieInsideIt) {
    EXPECT_EQ(os::inFolder("/opt/my app", ".", "/"), "/opt/my app");
    EXPECT_EQ(os::inFolder("/opt/my app", "system/", "/"), "/opt/my app/system/");
    EXPECT_EQ(os::inFolder("C:\\Tintavel", "ext/substance.jar", "\\"),
              "C:\\Tintavel\\ext/substance.jar");
    EXPECT_EQ(os::inFolder("", "system/", "/"), "system/");
}

// "C:x" is read against the drive's working folder, "\x" against the working drive.
TEST(ModuleFolderTest, AbsolutePathsOfEachSystem) {
    using os::System;
    for (const char* path :
         {"C:\\j", "c:/j", "\\\\server\\s", "//server/s", "\\\\?\\C:\\j", "\\\\.\\C:\\j"})
        EXPECT_TRUE(os::isAbsolutePath(path, System::Windows)) << path;
    for (const char* path : {"C:j", "\\j", "j", ""})
        EXPECT_FALSE(os::isAbsolutePath(path, System::Windows)) << path;
    EXPECT_FALSE(os::isAbsolutePath("C:\\j", System::Linux));
}

struct Entries {
    std::string list, separator;
    std::vector<std::string> entries;
};

// Empty entries count: each names the working folder.
TEST(PathListTest, SplitsIntoEveryEntry) {
    for (const Entries& row : std::vector<Entries>{
             {"/usr/bin::/bin:", ":", {"/usr/bin", "", "/bin", ""}},
             {"", ":", {""}},
             {"C:\\a b;C:\\c:d", ";", {"C:\\a b", "C:\\c:d"}},
         })
        EXPECT_EQ(os::pathListEntries(row.list, row.separator), row.entries) << row.list;
}

struct Problem {
    std::string folder, separator, problem;
};

// A folder that would give a path list a relative entry is named with the
// reason; any other is fine.
TEST(PathListTest, NamesTheFoldersThatWouldSplitIt) {
    for (const Problem& row : std::vector<Problem>{
             {"/opt/my app", ":", ""},
             {"C:\\x:y", ";", ""},
             {"", ":", "The product folder cannot be found"},
             {"C:\\x;y", ";",
              "The product folder C:\\x;y holds ';', which separates the entries of a Java class "
              "path; install the product in a folder whose path has no ';'"},
         })
        EXPECT_EQ(os::pathListProblem(row.folder, row.separator), row.problem) << row.folder;
}

}}  // namespace mirobanth::test
