// A program run with its output to a file, as the launcher runs a Java tool.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "OperatingSystem.h"

namespace mirobanth::test { namespace {

TEST(ProgramRunTest, EachArgumentArrivesWholeAndTheOutputIsAppended) {
    TemporaryFolder folder;
    const std::string log = folder.write("run.log", "before\n");
    EXPECT_EQ(os::runProgramLogged(
                  {programPath("argument_echo"), "two words", "", "say \"hi\"", "C:\\dir\\"}, log),
              0);
    EXPECT_EQ(os::runProgramLogged({folder.path() + "/missing"}, log), -1);
    std::ifstream file(log);  // text: "\r\n" is "\n"
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}),
              "before\nran [two words] [] [say \"hi\"] [C:\\dir\\]\n");
}

}}  // namespace mirobanth::test
