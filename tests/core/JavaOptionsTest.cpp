// Java options read as the VM reads them: sizes, the options of the
// environment, and the stack of the thread that runs main.
#include <gtest/gtest.h>

#include "EnvironmentVariables.h"
#include "JavaOptions.h"

using namespace mirobanth::java;
using Options = std::vector<std::string>;

namespace {

constexpr std::uint64_t K = 1024, M = K * K;

TEST(JavaOptionsTest, SizesReadAsTheVMReadsThem) {
    const std::pair<const char*, std::optional<std::uint64_t>> sizes[] = {
        {"1024", 1024},
        {"64k", 64 * K},
        {"64K", 64 * K},
        {"16m", 16 * M},
        {"2G", 2048 * M},
        {"1t", M * M},
        {"0x10", 16},
        {"0X1fk", 31 * K},
        {"007", 7},
        {"", std::nullopt},
        {"k", std::nullopt},
        {"-1", std::nullopt},
        {" 1", std::nullopt},
        {"1kb", std::nullopt},
        {"1x", std::nullopt},
        {"0x", std::nullopt},
        {"1.5m", std::nullopt},
        {"18446744073709551616", std::nullopt},
        {"16777216t", std::nullopt}};
    for (const auto& [text, size] : sizes) EXPECT_EQ(parseSize(text), size) << text;
}

TEST(JavaOptionsTest, TheLastStackOptionTheVMAcceptsDecides) {
    const std::pair<Options, std::size_t> stacks[] = {
        {{}, DEFAULT_THREAD_STACK_SIZE},
        {{"-Xint", "-Dx=-Xss8m"}, DEFAULT_THREAD_STACK_SIZE},
        {{"-Xss16m"}, 16 * M},
        {{"-Xss2m", "-Xss4m"}, 4 * M},
        {{"-Xss4m", "-Xssbig", "-Xss2g"}, 4 * M},
        {{"-Xss65537"}, 65 * K},
        {{"-Xss100"}, 64 * K},
        {{"-Xss8m", "-Xss0"}, DEFAULT_THREAD_STACK_SIZE},
        {{"-XX:ThreadStackSize=2048"}, 2 * M},
        {{"-XX:ThreadStackSize=1m"}, 1024 * M},
        {{"-Xss2m", "-XX:ThreadStackSize=2m"}, 2 * M},
    };
    for (const auto& [options, stack] : stacks) {
        EXPECT_EQ(launchThreadStackSize(options), stack + LAUNCH_STACK_MARGIN)
            << ::testing::PrintToString(options);
    }
}

TEST(JavaOptionsTest, EnvironmentOptionsAreSplitAndOrderedAsTheVMReadsThem) {
    mirobanth::test::EnvironmentVariables environment;
    environment.set("JAVA_TOOL_OPTIONS", " -Xss1m\t-Dname='a b'  \"-Dq=c d\"x ");
    environment.set("_JAVA_OPTIONS", "-Xss3m");
    EXPECT_EQ(withEnvironmentOptions({"-Xss2m"}),
              (Options{"-Xss1m", "-Dname=a b", "-Dq=c dx", "-Xss2m", "-Xss3m"}));
    environment.remove("JAVA_TOOL_OPTIONS");
    environment.remove("_JAVA_OPTIONS");
    EXPECT_EQ(withEnvironmentOptions(), Options{});
}

}  // namespace
