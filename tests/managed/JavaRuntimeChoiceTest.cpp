// Choosing a Java runtime that is new enough among those found.
#include <gtest/gtest.h>

#include "JavaRuntimeChoice.h"

namespace mirobanth::test { namespace {

const std::string EXAMPLE = " (such as Debian's openjdk-<N>-jre)";

managed::RuntimeCandidate java(const std::string& home, const std::string& version,
                               bool bundled = false) {
    return {home + "/lib/server/libjvm.so", home, version, bundled};
}

TEST(JavaRuntimeChoiceTest, TakesTheFirstThatIsNewEnough) {
    auto choice = managed::chooseJavaRuntime(
        {java("/j/11", "11.0.2"), java("/j/x", ""), java("/j/17", "17.0.15"), java("/j/21", "21")},
        17, "jEdit", EXAMPLE);
    EXPECT_EQ(choice.library, "/j/17/lib/server/libjvm.so");
    EXPECT_EQ(
        choice.lines.at(1),
        "Passed over a Java runtime of unknown version in /j/x: jEdit needs Java 17 or later");
}

TEST(JavaRuntimeChoiceTest, NoneNewEnoughSaysWhatIsNeededFoundAndToDo) {
    const managed::RuntimeCandidate java11 = java("/usr/lib/jvm/java-11-openjdk-amd64", "11.0.21");
    auto choice = managed::chooseJavaRuntime({java11, java11, java("/j/8", "1.8.0_392")}, 17,
                                             "jEdit", EXAMPLE);
    EXPECT_EQ(choice.library, "");
    EXPECT_EQ(choice.problem,
              "jEdit needs Java 17 or later. Found: Java 11 in /usr/lib/jvm/java-11-openjdk-amd64, "
              "Java 8 in /j/8. Install a Java runtime of version 17 or later (such as Debian's "
              "openjdk-17-jre) or set JAVA_HOME to one.");
    EXPECT_EQ(managed::chooseJavaRuntime({}, 21, "jEdit", "").problem,
              "jEdit needs Java 21 or later. Found: no Java runtime. Install a Java runtime of "
              "version 21 or later or set JAVA_HOME to one.");
}

TEST(JavaRuntimeChoiceTest, AnOldRuntimeInTheProductIsAPackagingError) {
    auto choice = managed::chooseJavaRuntime(
        {java("/opt/jEdit/runtime", "11", true), java("/j/21", "21")}, 17, "jEdit", EXAMPLE);
    EXPECT_EQ(choice.library, "");
    EXPECT_EQ(choice.problem,
              "Packaging error: jEdit needs Java 17 or later, but the runtime it brings is Java 11 "
              "in /opt/jEdit/runtime. Its package must bring Java 17 or later.");
}

}}  // namespace mirobanth::test
