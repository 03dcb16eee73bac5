// The Windows platform's in-place command-line splitting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/portable/CommandLineSplitter.h"

namespace mirobanth::test { namespace {

struct Split {
    std::vector<std::string> arguments;
    std::string buffer;  // the caller's text afterwards, zeros shown as '|'
};

Split splitText(std::string text) {
    static char program[] = "C:\\Tintavel\\Tintavel64.exe";
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    int count = -1;
    char** vector = application::command_line::split(buffer.data(), program, count);
    Split result;
    for (int i = 0; i < count; ++i) result.arguments.push_back(vector[i]);
    EXPECT_EQ(vector[0], program);
    std::free(vector);
    for (size_t i = 0; i + 1 < buffer.size(); ++i) result.buffer += buffer[i] ? buffer[i] : '|';
    return result;
}

const std::string PROGRAM = "C:\\Tintavel\\Tintavel64.exe";

TEST(CommandLineSplitterTest, RunsOfBlanksSeparateOnceAndOnlyTheFirstBecomesAZero) {
    Split result = splitText("a  b c");
    EXPECT_EQ(result.arguments, (std::vector<std::string>{PROGRAM, "a", "b", "c"}));
    EXPECT_EQ(result.buffer, "a| b|c");
}

TEST(CommandLineSplitterTest, AnEmptyOrBlankTextGivesTheProgramAlone) {
    EXPECT_EQ(splitText("").arguments, std::vector<std::string>{PROGRAM});
    EXPECT_EQ(splitText("   ").arguments, std::vector<std::string>{PROGRAM});
}

TEST(CommandLineSplitterTest, QuotesAndTabsAreOrdinaryCharacters) {
    Split result = splitText(" \"My File\"\tx ");
    EXPECT_EQ(result.arguments, (std::vector<std::string>{PROGRAM, "\"My", "File\"\tx"}));
}

}}  // namespace mirobanth::test
