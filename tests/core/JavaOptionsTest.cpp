#include <gtest/gtest.h>

#include "EnvironmentVariables.h"
#include "JavaOptions.h"

namespace mirobanth::java { namespace {

using Options = std::vector<std::string>;

constexpr std::size_t K = 1024, M = K * K, DEFAULT = DEFAULT_THREAD_STACK_SIZE;

// Each size form; the smallest stack; zero, the default; the last option
// winning over those before it and over those the VM refuses.
TEST(JavaOptionsTest, TheStackIsWhatTheLastStackOptionTheVMAcceptsAsksFor) {
    // clang-format off
    const std::pair<const char*, std::size_t> stacks[] = {
        {"", DEFAULT},          {"-Xss131072", 128 * K},    {"-Xss200k", 200 * K},
        {"-Xss3M", 3 * M},      {"-Xss1G", 1024 * M},       {"-Xss0x30000", 192 * K},
        {"-Xss65537", 65 * K},  {"-Xss100", 64 * K},        {"-Xss8m -Xss0", DEFAULT},
        {"-XX:ThreadStackSize=2048", 2 * M},
        {"-XX:ThreadStackSize=1m -XX:ThreadStackSize=2m", 1024 * M},
        {"-Xss4m -Xss1kb -Xss-1 -Xss -Xss2g -Xss1t", 4 * M},
        {"-Xss4m -Xss1.5m -Xss0x -Xss99999999999999999999 -Dx=-Xss8m", 4 * M}};
    // clang-format on
    for (const auto& [options, stack] : stacks)
        EXPECT_EQ(launchThreadStackSize(splitOptions(options)), stack + LAUNCH_STACK_MARGIN)
            << options;
    test::EnvironmentVariables environment;
    environment.set("JAVA_TOOL_OPTIONS", " -Xss1m\t-Dname='a b'  \"-Dq=c d\"x ");
    environment.set("_JAVA_OPTIONS", "-Xss3m");
    EXPECT_EQ(withEnvironmentOptions({"-Xss2m"}),
              (Options{"-Xss1m", "-Dname=a b", "-Dq=c dx", "-Xss2m", "-Xss3m"}));
}

}}  // namespace mirobanth::java
