
#include <iostream>
#include <sstream>

#include "ApplicationFixture.h"

namespace mirobanth::test { namespace {

class ApplicationCommandsTest : public TintavelApplicationTest {
protected:
    ~ApplicationCommandsTest() override {
        std::cin.rdbuf(savedInput);
        std::cin.clear();
    }

    // What the interactive loop writes when standard input holds text.
    CapturedOutput converse(const std::string& text) {
        input.str(text);
        std::cin.rdbuf(input.rdbuf());
        std::cin.clear();
        return capture([&] { application->standardInputMode(); });
    }

    std::istringstream input;
    std::streambuf* savedInput = std::cin.rdbuf();
};

TEST_F(ApplicationCommandsTest, QueueIsFirstInFirstOut) {
    application->processCommandLater("a");
    application->processCommandLater("");
    application->processCommandLater("c");
    EXPECT_TRUE(application->hasMoreCommands());
    EXPECT_EQ(application->nextCommand(), "a");
    EXPECT_EQ(application->nextCommand(), "");
    EXPECT_EQ(application->nextCommand(), "c");
    EXPECT_FALSE(application->hasMoreCommands());
    EXPECT_EQ(application->nextCommand(), "");
}

TEST_F(ApplicationCommandsTest, HelpUnknownAndQuietCommands) {
    auto output = converse("help me\n\nExit\n user\ncreate\nls -l\nsize\nquit\nhelp\n");
    EXPECT_EQ(output.out,
              "Tintavel: Tintavel: Commands: create,user,list,size,clear,exit,help\n"
              "Tintavel: "
              "Tintavel: Tintavel: Unknown command \"Exit\"\n"
              "Tintavel: Tintavel: Unknown command \" user\"\n"
              "Tintavel: "
              "Tintavel: "
              "Tintavel: Tintavel: Unknown command \"size\"\n"
              "Tintavel: Tintavel: Bye\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(ApplicationCommandsTest, EveryEndingWordEndsTheLoopWhateverFollows) {
    for (const char* word : {"x", "exit now", "quit", ":q", "q"}) {
        auto output = converse(std::string(word) + "\nhelp\n");
        EXPECT_EQ(output.out, "Tintavel: Tintavel: Bye\n") << word;
    }
}

TEST_F(ApplicationCommandsTest, EndOfInputSaysByeAndALastLineWithoutNewlineCounts) {
    EXPECT_EQ(converse("").out, "Tintavel: Tintavel: Bye\n");
    EXPECT_EQ(converse("what").out,
              "Tintavel: Tintavel: Unknown command \"what\"\nTintavel: Tintavel: Bye\n");
}

TEST_F(ApplicationCommandsTest, SilentConsoleStillShowsThePrompt) {
    core::Console::enableSilent(true);
    auto output = converse("help\n");
    EXPECT_EQ(output.out, "Tintavel: Tintavel: ");
}

TEST_F(ApplicationCommandsTest, ReadlineTakesOneWord) {
    input.str("  two words\n");
    std::cin.rdbuf(input.rdbuf());
    std::string word;
    auto output = capture([&] { word = application->readline(); });
    EXPECT_EQ(word, "two");
    EXPECT_EQ(output.out, "Tintavel: Enter one line as input:\nTintavel: Line was: two\n");
    std::string rest;
    std::getline(std::cin, rest);
    EXPECT_EQ(rest, " words");
}

TEST_F(ApplicationCommandsTest, LineEventsAreNotProcessed) {
    auto output = capture([&] { application->standardInputLineEvent(nullptr); });
    EXPECT_EQ(output.err,
              "ASSERT_FAILURE_0\nFunction not implemented: Tintavel#standardInputLineEvent\n");
}

// The same conversation through a real pipe on a program's standard input.
TEST(ApplicationCommandLoopTest, ReadsAPipeUntilItsEnd) {
    ChildOptions options;
    options.args = {programPath("command_loop_host")};
    options.env = {{"MIROBANTH_SILENT", std::nullopt}, {"MIROBANTH", std::nullopt}};
    options.input = "help\n";
    auto result = runChild(options);
    EXPECT_EQ(result.status, 0);
    std::string conversation =
        result.out.substr(result.out.find("Tintavel: No delegate used\n") + 27);
    EXPECT_EQ(conversation,
              "Tintavel: Tintavel: Commands: create,user,list,size,clear,exit,help\n"
              "Tintavel: Tintavel: Bye\n"
              "Tintavel: <FINALIZE>\n");
    EXPECT_EQ(result.err, "");
}

}}  // namespace mirobanth::test
