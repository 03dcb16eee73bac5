#include <mirobanth/application/Arguments.h>
#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include <memory>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class ArgumentsTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
};

TEST_F(ArgumentsTest, WithoutAVectorThereIsNoArray) {
    std::unique_ptr<application::Arguments> arguments;
    auto output = capture([&] { arguments = std::make_unique<application::Arguments>(); });
    EXPECT_EQ(output.out, "Arguments: <INIT>\n");
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(arguments->getCount(), 0);
    EXPECT_EQ(arguments->getEntries(), nullptr);
}

TEST_F(ArgumentsTest, EntriesPointAtTheCallersTextsAndEndWithNull) {
    char a[] = "a";
    char b[] = "b";
    char* argv[] = {a, b, nullptr};
    core::Console::enableSilent(true);
    application::Arguments arguments(2, argv);
    ASSERT_NE(arguments.getEntries(), nullptr);
    EXPECT_EQ(arguments.getCount(), 2);
    EXPECT_EQ(arguments.getEntries()[0], a);
    EXPECT_EQ(arguments.getEntries()[1], b);
    EXPECT_EQ(arguments.getEntries()[2], nullptr);
}

TEST_F(ArgumentsTest, ListIsNotImplemented) {
    core::Console::enableSilent(true);
    application::Arguments arguments;
    core::Console::enableSilent(false);
    auto output = capture([&] { arguments.list(); });
    EXPECT_EQ(output.err, "Function not implemented: list\n");
}

TEST(ArgumentsDescribeTest, TextsBeginWithUnknown) {
    EXPECT_EQ(application::Arguments::describe(42), "Unknown:42");
    EXPECT_EQ(application::Arguments::describe(-7), "Unknown:-7");
    EXPECT_EQ(application::Arguments::describe("tail"), "Unknown:tail");
    EXPECT_EQ(application::Arguments::describe("k", "v"), "Unknown:k=v");
}

}}  // namespace mirobanth::test
