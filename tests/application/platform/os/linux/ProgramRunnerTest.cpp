#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "platform/os/linux/ExecutableSearch.h"
#include "platform/os/linux/ProgramRunner.h"

using mirobanth::application::ExecutableSearch;
using mirobanth::application::ProgramRunner;
using Paths = std::vector<std::string>;

namespace {

TEST(ProgramRunnerTest, ReportsTheExitStatusOrThatThereIsNone) {
    EXPECT_EQ(ProgramRunner::runAndWait({"/bin/sh", "-c", "exit 3"}), 3);
    const int none = ProgramRunner::NO_EXIT_STATUS;
    EXPECT_EQ(ProgramRunner::runAndWait({"/bin/sh", "-c", "kill -9 $$"}), none);
    EXPECT_EQ(ProgramRunner::runAndWait({"/nonexistent/program"}), none);
    EXPECT_EQ(ProgramRunner::runAndWait({"sh", "-c", "exit 0"}), none);  // a name is no path
    EXPECT_EQ(ProgramRunner::runAndWait({}), none);
}

TEST(ProgramRunnerTest, ArgumentsArriveUnchangedAndTheRunIsOverOnReturn) {
    mirobanth::test::TemporaryFolder folder;
    std::string record = folder.path() + "/record";
    ASSERT_EQ(
        ProgramRunner::runAndWait({"/bin/sh", "-c", "sleep 0.2; printf '%s|' \"$@\" > " + record,
                                   "sh", "a b", "it's", "\"$HOME\"", "", "`id`;\n*"}),
        0);
    std::ifstream in(record);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a b|it's|\"$HOME\"||`id`;\n*|");
}

TEST(ExecutableSearchTest, FindsRunnableFilesInPathOrder) {
    mirobanth::test::TemporaryFolder folder;
    const std::string& root = folder.path();
    chmod(folder.write("one/tool", "").c_str(), 0644);  // not runnable
    folder.write("two/tool/inside", "");                // a folder of that name
    chmod(folder.write("three/tool", "").c_str(), 0755);
    chmod(folder.write("four/tool", "").c_str(), 0755);
    std::string searchPath = root + "/one::" + root + "/two:" + root + "/three:" + root + "/four:";

    EXPECT_EQ(ExecutableSearch::folders("/a::b:.:system/:/c:"), (Paths{"/a", "/c"}));
    EXPECT_EQ(ExecutableSearch::findAll("tool", searchPath),
              (Paths{root + "/three/tool", root + "/four/tool"}));
    EXPECT_EQ(ExecutableSearch::find("tool", searchPath), root + "/three/tool");
    EXPECT_EQ(ExecutableSearch::find("tool", root + "/one") + ExecutableSearch::find("tool", ""),
              "");
}

}  // namespace
