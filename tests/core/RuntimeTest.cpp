#include <mirobanth/core/Console.h>
#include <mirobanth/core/Runtime.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

class RuntimeTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    core::Runtime& runtime = core::Runtime::instance();
};

TEST_F(RuntimeTest, OneInstanceWithASettableValue) {
    EXPECT_EQ(&core::Runtime::instance(), &runtime);
    EXPECT_EQ(runtime.getName(), "Runtime");
    EXPECT_EQ(runtime.getValue(), "MIROBANTH_RUNTIME");

    runtime.setValue("other");
    EXPECT_EQ(core::Runtime::instance().value(), "other");
    runtime.setValue("MIROBANTH_RUNTIME");
}

TEST_F(RuntimeTest, OperationsReportThemselvesNotImplemented) {
    int processors = 0;
    auto output = capture([&] {
        processors = runtime.availableProcessors();
        runtime.exit(3);
        runtime.gc();
        core::Runtime::test();
    });
    EXPECT_EQ(processors, -1);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "Function not implemented: Runtime#availableProcessors\n"
              "Function not implemented: Runtime#exit\n"
              "Function not implemented: Runtime#gc\n");

    core::Console::enableSilent(true);
    auto silent = capture([&] { processors = runtime.availableProcessors(); });
    EXPECT_EQ(processors, -1);
    EXPECT_EQ(silent.err, "");
}

}}  // namespace mirobanth::test
