// Where each system's Java installations keep their VM library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "JavaHome.h"

namespace mirobanth::test { namespace {

using os::System;

// The layouts of a home, most likely first.
std::vector<std::string> layouts(System system) {
    if (system == System::Windows)
        return {"jre/bin/client/jvm.dll", "jre/bin/server/jvm.dll", "bin/server/jvm.dll",
                "bin/client/jvm.dll"};
    const std::string processor = os::jdk8ProcessorFolder();
    return {"lib/server/libjvm.so", "jre/lib/" + processor + "/server/libjvm.so",
            "lib/" + processor + "/server/libjvm.so", "jre/lib/server/libjvm.so"};
}

class JavaHomeTest : public ::testing::TestWithParam<System> {};

// A home that holds a layout and every later one gives that layout's
// library; a home that holds none gives none.
TEST_P(JavaHomeTest, TheFirstLayoutAHomeHoldsGivesTheLibrary) {
    const std::vector<std::string> expected = layouts(GetParam());
    for (std::size_t first = 0; first < expected.size(); ++first) {
        TemporaryFolder home;
        for (std::size_t i = first; i < expected.size(); ++i) home.write(expected[i], "");
        EXPECT_EQ(os::existingJavaHomeLibrary(home.path(), GetParam()),
                  home.path() + "/" + expected[first]);
    }
    TemporaryFolder empty;
    EXPECT_EQ(os::existingJavaHomeLibrary(empty.path(), GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(Systems, JavaHomeTest, ::testing::Values(System::Linux, System::Windows),
                         [](const auto& info) {
                             return info.param == System::Linux ? "Linux" : "Windows";
                         });

}}  // namespace mirobanth::test
