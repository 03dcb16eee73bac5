#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class CoreFlatTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
};

TEST_F(CoreFlatTest, VersionChecksTheHandle) {
    ConsoleTypeC console = mbConsoleCreate("Host");
    const char* version = nullptr;
    auto valid = capture([&] { version = mbConsoleVersion(console); });
    EXPECT_STREQ(version, "1.0");
    EXPECT_EQ(valid.err, "");

    auto null = capture([&] { version = mbConsoleVersion(nullptr); });
    EXPECT_STREQ(version, "0.0");
    EXPECT_EQ(null.err, "<ConsoleTypeC>: mbConsoleVersion - ConsoleTypeC handle is NULL\n");
    capture([&] { mbConsoleDelete(console); });
}

TEST_F(CoreFlatTest, LinesAreTaggedWithTheConsoleOrTheStandIn) {
    ConsoleTypeC console = mbConsoleCreate("Host");
    auto output = capture([&] {
        mbConsoleInfo(nullptr, "hello");
        mbConsoleInfo(console, "hello");
        mbConsoleWarn(console, "careful");
        mbConsoleNotImplemented(console, "print");
        mbConsoleNotImplemented(nullptr, "print");
        mbConsoleDelete(console);
    });
    EXPECT_EQ(output.out, "<ConsoleTypeC>: hello\nHost: hello\nHost: <FINALIZE>\n");
    EXPECT_EQ(output.err,
              "Host: careful\n"
              "Function not implemented: Host#print\n"
              "Function not implemented: <ConsoleTypeC>#print\n");
}

TEST_F(CoreFlatTest, SilentIsProcessWideAndNullChecked) {
    ConsoleTypeC console = mbConsoleCreate("Host");
    auto nullSwitch = capture([&] { mbConsoleSilent(nullptr, 1); });
    EXPECT_EQ(nullSwitch.err, "<ConsoleTypeC>: mbConsoleSilent - ConsoleTypeC handle is NULL\n");
    EXPECT_FALSE(core::Console::isSilent());

    mbConsoleSilent(console, 1);
    EXPECT_TRUE(core::Console::isSilent());
    mbConsoleDelete(console);
}

TEST_F(CoreFlatTest, IsNullAnswersQuietlyForALiveHandle) {
    int object = 0;
    mbBool result = 1;
    auto output = capture([&] { result = mbIsNull(&object, "unused"); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(output.out + output.err, "");
}

// A host written in C links the library and calls the self-test; the streams
// must hold exactly the four lines, each on its own stream.
TEST(CoreCHostTest, SelfTestPrintsFourLines) {
    auto result = runChild({programPath("core_c_host"), "test"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "mbConsoleTest: message\nmbConsoleTest: <FINALIZE>\n");
    EXPECT_EQ(result.err,
              "mbConsoleTest: warn\n"
              "<ConsoleTypeC>: @mbConsoleDelete - ConsoleTypeC handle is NULL\n");
}

// Each null text is the empty text; none may end the host with an abort.
TEST(CoreCHostTest, NullTextsAreEmptyTexts) {
    auto result = runChild({programPath("core_c_host"), "null-texts"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, ": \n: <FINALIZE>\n");
    EXPECT_EQ(result.err,
              "<ConsoleTypeC>: \n"
              "Function not implemented: #\n"
              "<ConsoleTypeC>: \n"
              "<ConsoleTypeC>: \n"
              "FATAL ERROR, EXITING...\n\n");
}

}}  // namespace mirobanth::test
