// The real executables in a product folder laid out in a temporary folder,
// against Debian's OpenJDK: what a user sees when starting Tintavel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "ManagedTestSupport.h"

using mirobanth::test::ChildOptions;
using mirobanth::test::ChildResult;
using mirobanth::test::lines;
using mirobanth::test::linesAfter;
using mirobanth::test::TemporaryFolder;
using Lines = std::vector<std::string>;

namespace {

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(MIROBANTH_PRODUCT_DIR, product.path(),
                              std::filesystem::copy_options::recursive);
        options.env = mirobanth::test::cleanLauncherEnvironment();
        // Fixed identity texts, and a PATH on which the Java runtime is found.
        options.env["PROCESSOR_ARCHITECTURE"] = "x86_64";
        options.env["USERNAME"] = "tester";
        options.env["PATH"] = javaHome + "/bin:/usr/bin:/bin";
        options.workingDirectory = product.path();
        options.timeoutSeconds = 60;
    }

    ChildResult start(const std::string& program, Lines arguments = {}) {
        options.args = {program.front() == '/' ? program : product.path() + "/" + program};
        options.args.insert(options.args.end(), arguments.begin(), arguments.end());
        return mirobanth::test::runChild(options);
    }

    // What follows the VM's creation: the launcher naming the main class,
    // then the sample's report and the launcher's last lines.
    static Lines afterVMCreation(const ChildResult& result) {
        return linesAfter(result.out, "Tintavel: Shared library method JNI_CreateJavaVM linked");
    }

    TemporaryFolder product;
    ChildOptions options;
    const std::string javaHome = mirobanth::test::realJavaHome();
};

TEST_F(LauncherTest, ConsoleOutputOfAPlainStart) {
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    Lines out = lines(result.out);
    ASSERT_EQ(out.size(), 34u) << result.out;
    // The two texts that change from run to run: the date and the Java version.
    EXPECT_TRUE(
        std::regex_match(out[1], std::regex("\\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}")))
        << out[1];
    EXPECT_TRUE(std::regex_match(out[20], std::regex("Java 17\\.\\S* \\(.*\\) on Linux amd64")))
        << out[20];
    out[1] = "<date>";
    out[20] = "<java>";
    const std::string libjvm = javaHome + "/lib/server/libjvm.so";
    EXPECT_EQ(
        out,
        (Lines{
            "Mirobanth Tintavel running on x86_64 in userspace <tester>",
            "<date>",
            "Tintavel: Argument 0 = " + product.path() + "/Tintavel64-Console",
            "Tintavel: PATH=" + javaHome + "/bin:/usr/bin:/bin:system/",
            "Tintavel: No delegate used",
            "Tintavel: Auto resolving class names are turned off",
            "Tintavel: Tintavel",
            "Tintavel: tintavel.jar",
            "Tintavel: com/mirobanth/tintavel/Tintavel",
            "Tintavel: Dynamic hookup of JVM through shared library",
            "Tintavel: -Djava.class.path=.:mirobanth-runtime.jar:ext/substance.jar:tintavel.jar",
            "Tintavel: -Djava.library.path=.:system/",
            "Tintavel: No security policy used",
            "Tintavel: JAVA_HOME and MIROBANTH_JVM not defined",
            "Tintavel: Shared library found",
            "Tintavel: " + libjvm,
            "Tintavel: Shared library loaded",
            "Tintavel: Shared library method JNI_CreateJavaVM linked",
            "Tintavel: com/mirobanth/tintavel/Tintavel",
            "Tintavel launch report",
            "<java>",
            "Arguments: 0",
            "Launcher properties:",
            "  mirobanth.nx=true",
            "  java.class.path=.:mirobanth-runtime.jar:ext/substance.jar:tintavel.jar",
            "  java.library.path=.:system/",
            "  mirobanth.override=true",
            "  swing.defaultlaf=com.sun.java.swing.plaf.gtk.GTKLookAndFeel",
            "  mirobanth.ignore=just",
            "  mirobanth.ignore1=",
            "  mirobanth.ignore2=",
            "Tintavel: <FINALIZE>",
            "Tintavel: <FINALIZE>",
            "Tintavel: <FINALIZE>",
        }));
}

TEST_F(LauncherTest, ArgumentsReachTheProductIntact) {
    ChildResult result = start("Tintavel64-Console", {"My File", "", "say \"hi\"", "back\\slash",
                                                      mirobanth::test::WORLD_TEXT});
    EXPECT_EQ(result.status, 0) << result.err;
    Lines expected = {
        "Arguments: 5",     "  [0] My File",     "  [1] ",
        "  [2] say \"hi\"", "  [3] back\\slash", "  [4] " + mirobanth::test::WORLD_TEXT};
    Lines shown = afterVMCreation(result);
    ASSERT_GE(shown.size(), 9u);
    EXPECT_EQ(Lines(shown.begin() + 3, shown.begin() + 9), expected);
}

TEST_F(LauncherTest, SilentStartShowsOnlyTheReport) {
    options.env["MIROBANTH_SILENT"] = "";
    ChildResult result = start("Tintavel64-Console", {"x"});
    EXPECT_EQ(result.status, 0) << result.err;
    Lines out = lines(result.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.front(), "Tintavel launch report");
    EXPECT_EQ(out.back(), "  mirobanth.ignore2=");
    EXPECT_EQ(result.err, "");
}

TEST_F(LauncherTest, PolicyAndSkinSwitchesReachTheVM) {
    ChildResult result = start("Tintavel64-Console", {"-Xpolicy", "-Xgemini", "-Xnochrome"});
    EXPECT_EQ(result.status, 0) << result.err;
    Lines shown = afterVMCreation(result);
    Lines properties(std::find(shown.begin(), shown.end(), "Launcher properties:"), shown.end());
    EXPECT_EQ(properties,
              (Lines{
                  "Launcher properties:",
                  "  mirobanth.nx=true",
                  "  java.class.path=.:mirobanth-runtime.jar:ext/substance.jar:tintavel.jar",
                  "  java.library.path=.:system/",
                  "  mirobanth.override=true",
                  "  swing.defaultlaf=org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel",
                  "  mirobanth.chrome=false",
                  "  java.security.manager=",
                  "  java.security.policy=system/VM.policy",
                  "Tintavel: <FINALIZE>",
                  "Tintavel: <FINALIZE>",
                  "Tintavel: <FINALIZE>",
              }));
}

TEST_F(LauncherTest, GraphicalVariantBehavesTheSame) {
    ChildResult console = start("Tintavel64-Console", {"a b", ""});
    ChildResult graphical = start("Tintavel64", {"a b", ""});
    EXPECT_EQ(graphical.status, 0) << graphical.err;
    EXPECT_EQ(afterVMCreation(graphical), afterVMCreation(console));
    EXPECT_EQ(graphical.err, console.err);
}

TEST_F(LauncherTest, MissingProductJar) {
    std::filesystem::remove(product.path() + "/tintavel.jar");
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(afterVMCreation(result),
              (Lines{"Tintavel: com/mirobanth/tintavel/Tintavel", "Tintavel: NO ALERT",
                     "Tintavel: <FINALIZE>", "Tintavel: <FINALIZE>", "Tintavel: <FINALIZE>"}));
    Lines errors = lines(result.err);
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(Lines(errors.end() - 2, errors.end()),
              (Lines{"Tintavel: Class not found - com/mirobanth/tintavel/Tintavel",
                     "Tintavel Alert: Class not found"}));
}

TEST_F(LauncherTest, NoJavaRuntimeAtJavaHome) {
    options.env["JAVA_HOME"] = product.path() + "/no-java";
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 1);
    const std::string expected = product.path() + "/no-java/lib/server/libjvm.so";
    EXPECT_EQ(
        linesAfter(result.out, "Tintavel: com/mirobanth/tintavel/Tintavel"),
        (Lines{
            "Tintavel: Dynamic hookup of JVM through shared library",
            "Tintavel: -Djava.class.path=.:mirobanth-runtime.jar:ext/substance.jar:tintavel.jar",
            "Tintavel: -Djava.library.path=.:system/",
            "Tintavel: No security policy used",
            "Tintavel: JAVA_HOME is used as JRE base path",
            "Tintavel: " + expected,
            "Tintavel: No shared library found",
            "Tintavel: <FINALIZE>",
            "Tintavel: <FINALIZE>",
            "Tintavel: <FINALIZE>",
        }));
    EXPECT_EQ(result.err, "Tintavel: File not found - " + expected +
                              "\n"
                              "Tintavel: Unable to initialize a virtual machine (launch2)\n"
                              "Tintavel Alert: Java VM failed to initialize\n");
}

}  // namespace
