#include <mirobanth/core/Console.h>
#include <mirobanth/core/Runtime.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

using mirobanth::core::Console;
using mirobanth::core::Runtime;
using mirobanth::test::capture;

namespace {

class RuntimeTest : public ::testing::Test {
protected:
    mirobanth::test::ConsoleSwitches restoreSwitches;
    Runtime& runtime = Runtime::instance();
};

TEST_F(RuntimeTest, OneInstanceWithASettableValue) {
    EXPECT_EQ(&Runtime::instance(), &runtime);
    EXPECT_EQ(runtime.getName(), "Runtime");
    EXPECT_EQ(runtime.getValue(), "MIROBANTH_RUNTIME");

    runtime.setValue("other");
    EXPECT_EQ(Runtime::instance().value(), "other");
    runtime.setValue("MIROBANTH_RUNTIME");
}

TEST_F(RuntimeTest, OperationsReportThemselvesNotImplemented) {
    int processors = 0;
    auto output = capture([&] {
        processors = runtime.availableProcessors();
        runtime.exit(3);
        runtime.gc();
        Runtime::test();
    });
    EXPECT_EQ(processors, -1);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "Function not implemented: Runtime#availableProcessors\n"
              "Function not implemented: Runtime#exit\n"
              "Function not implemented: Runtime#gc\n");

    Console::enableSilent(true);
    auto silent = capture([&] { processors = runtime.availableProcessors(); });
    EXPECT_EQ(processors, -1);
    EXPECT_EQ(silent.err, "");
}

}  // namespace
