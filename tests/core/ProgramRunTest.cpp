// A program run with its output to a file, as the launcher runs a Java tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "OperatingSystem.h"

namespace {

TEST(ProgramRunTest, EachArgumentArrivesWholeAndTheOutputIsAppended) {
    mirobanth::test::TemporaryFolder folder;
    const std::string log = folder.write("run.log", "before\n");
    EXPECT_EQ(mirobanth::os::runProgramLogged({mirobanth::test::programPath("argument_echo"),
                                               "two words", "", "say \"hi\"", "C:\\dir\\"},
                                              log),
              0);
    EXPECT_EQ(mirobanth::os::runProgramLogged({folder.path() + "/missing"}, log), -1);
    std::ifstream file(log, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    EXPECT_EQ(text, "before\nran [two words] [] [say \"hi\"] [C:\\dir\\]\n");
}

}  // namespace
