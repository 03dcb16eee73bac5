// The entries of a path list, and the folders that cannot stand in one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OperatingSystem.h"

namespace mirobanth::test { namespace {

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
