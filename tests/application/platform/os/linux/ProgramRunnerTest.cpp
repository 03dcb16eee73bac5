#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#include "TextLines.h"
#include "platform/os/linux/ExecutableSearch.h"
#include "platform/os/linux/ProgramRunner.h"

namespace mirobanth::test { namespace {

using Paths = Lines;

TEST(ProgramRunnerTest, ReportsTheExitStatusOrThatThereIsNone) {
    EXPECT_EQ(application::ProgramRunner::runAndWait({"/bin/sh", "-c", "exit 3"}), 3);
    const int none = application::ProgramRunner::NO_EXIT_STATUS;
    EXPECT_EQ(application::ProgramRunner::runAndWait({"/bin/sh", "-c", "kill -9 $$"}), none);
    EXPECT_EQ(application::ProgramRunner::runAndWait({"/nonexistent/program"}), none);
    EXPECT_EQ(application::ProgramRunner::runAndWait({"sh", "-c", "exit 0"}),
              none);  // a name is no path
    EXPECT_EQ(application::ProgramRunner::runAndWait({}), none);
}

TEST(ProgramRunnerTest, ArgumentsArriveUnchangedAndTheRunIsOverOnReturn) {
    TemporaryFolder folder;
    std::string record = folder.path() + "/record";
    ASSERT_EQ(application::ProgramRunner::runAndWait(
                  {"/bin/sh", "-c", "sleep 0.2; printf '%s|' \"$@\" > " + record, "sh", "a b",
                   "it's", "\"$HOME\"", "", "`id`;\n*"}),
              0);
    EXPECT_EQ(fileText(record), "a b|it's|\"$HOME\"||`id`;\n*|");
}

TEST(ExecutableSearchTest, FindsRunnableFilesInPathOrder) {
    TemporaryFolder folder;
    const std::string& root = folder.path();
    chmod(folder.write("one/tool", "").c_str(), 0644);  // not runnable
    folder.write("two/tool/inside", "");                // a folder of that name
    chmod(folder.write("three/tool", "").c_str(), 0755);
    chmod(folder.write("four/tool", "").c_str(), 0755);
    std::string searchPath = root + "/one::" + root + "/two:" + root + "/three:" + root + "/four:";

    EXPECT_EQ(application::ExecutableSearch::folders("/a::b:.:system/:/c:"), (Paths{"/a", "/c"}));
    EXPECT_EQ(application::ExecutableSearch::findAll("tool", searchPath),
              (Paths{root + "/three/tool", root + "/four/tool"}));
    EXPECT_EQ(application::ExecutableSearch::find("tool", searchPath), root + "/three/tool");
    EXPECT_EQ(application::ExecutableSearch::find("tool", root + "/one") +
                  application::ExecutableSearch::find("tool", ""),
              "");
}

}}  // namespace mirobanth::test
