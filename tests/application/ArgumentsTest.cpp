#include <mirobanth/application/Arguments.h>
#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include <memory>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

using mirobanth::application::Arguments;
using mirobanth::core::Console;
using mirobanth::test::capture;

namespace {

class ArgumentsTest : public ::testing::Test {
protected:
    mirobanth::test::ConsoleSwitches restoreSwitches;
};

TEST_F(ArgumentsTest, WithoutAVectorThereIsNoArray) {
    std::unique_ptr<Arguments> arguments;
    auto output = capture([&] { arguments = std::make_unique<Arguments>(); });
    EXPECT_EQ(output.out, "Arguments: <INIT>\n");
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(arguments->getCount(), 0);
    EXPECT_EQ(arguments->getEntries(), nullptr);
}

TEST_F(ArgumentsTest, EntriesPointAtTheCallersTextsAndEndWithNull) {
    char a[] = "a";
    char b[] = "b";
    char* argv[] = {a, b, nullptr};
    Console::enableSilent(true);
    Arguments arguments(2, argv);
    ASSERT_NE(arguments.getEntries(), nullptr);
    EXPECT_EQ(arguments.getCount(), 2);
    EXPECT_EQ(arguments.getEntries()[0], a);
    EXPECT_EQ(arguments.getEntries()[1], b);
    EXPECT_EQ(arguments.getEntries()[2], nullptr);
}

TEST_F(ArgumentsTest, ListIsNotImplemented) {
    Console::enableSilent(true);
    Arguments arguments;
    Console::enableSilent(false);
    auto output = capture([&] { arguments.list(); });
    EXPECT_EQ(output.err, "Function not implemented: list\n");
}

TEST(ArgumentsDescribeTest, TextsBeginWithUnknown) {
    EXPECT_EQ(Arguments::describe(42), "Unknown:42");
    EXPECT_EQ(Arguments::describe(-7), "Unknown:-7");
    EXPECT_EQ(Arguments::describe("tail"), "Unknown:tail");
    EXPECT_EQ(Arguments::describe("k", "v"), "Unknown:k=v");
}

}  // namespace
