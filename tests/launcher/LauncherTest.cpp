// The real executables in a product folder laid out in a temporary folder,
// against Debian's OpenJDK: what a user sees when starting Tintavel.
#include <mirobanth/application/platform/PlatformLinux.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "JavaOptions.h"
#include "ManagedTestSupport.h"
#include "SilentDisplay.h"

namespace mirobanth::test { namespace {

const Lines FINALIZED = {"Tintavel: <FINALIZE>", "Tintavel: <FINALIZE>", "Tintavel: <FINALIZE>"};

// A product folder whose path has blanks and characters beyond ASCII, and a
// working folder elsewhere, as when a user opens a document from a folder of
// their own.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(product);
        std::filesystem::create_directories(documents);
        std::filesystem::copy(MIROBANTH_PRODUCT_DIR, product,
                              std::filesystem::copy_options::recursive);
        options.env = cleanLauncherEnvironment();
        // Fixed identity texts, and a PATH on which the Java runtime is found.
        options.env["PROCESSOR_ARCHITECTURE"] = "x86_64";
        options.env["USERNAME"] = "tester";
        options.env["PATH"] = javaHome + "/bin:/usr/bin:/bin";
        // The VM reads file names in the locale's encoding, as a desktop
        // session sets it; in the C locale it cannot name the product folder.
        options.env["LANG"] = "C.UTF-8";
        options.workingDirectory = documents;
        options.timeoutSeconds = 60;
    }

    ChildResult start(const std::string& program, Lines arguments = {}) {
        return runChild(options, program.front() == '/' ? program : product + "/" + program,
                        arguments);
    }

    // What follows the VM's creation: the launcher naming the main class,
    // then the sample's report and the launcher's last lines.
    static Lines afterVMCreation(const ChildResult& result) {
        return linesAfter(result.out, vmLinkedLine());
    }

    // The sample's report of the VM options, as "  name=value" lines.
    static Lines reported(const Lines& vmOptions) {
        Lines report = {"Launcher properties:"};
        for (const std::string& option : vmOptions) {
            std::string property = option.substr(2);  // without "-D"
            report.push_back("  " + property +
                             (property.find('=') == std::string::npos ? "=" : ""));
        }
        return report;
    }

    TemporaryFolder temporary;
    // Within the Basic Multilingual Plane: the VM's class path cannot hold
    // characters beyond it (java itself fails on an emoji there).
    const std::string product = temporary.path() + "/My Programs \xC3\xA9\xE6\x97\xA5/Tintavel";
    const std::string documents = temporary.path() + "/Documents";
    const std::string classPath = classPathIn(product, TINTAVEL_JARS);
    const std::string libraryPath = libraryPathIn(product);
    ChildOptions options;
    const std::string javaHome = realJavaHome();
};

// A document named relative to the working folder reaches the product as typed.
TEST_F(LauncherTest, ConsoleOutputOfAStartWithADocument) {
    ChildResult result = start("Tintavel64-Console", {"../notes/today.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    Lines out = lines(result.out);
    ASSERT_EQ(out.size(), 36u) << result.out;
    // The two texts that change from run to run: the date and the Java version.
    EXPECT_TRUE(
        std::regex_match(out[1], std::regex("\\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}")))
        << out[1];
    EXPECT_TRUE(std::regex_match(out[21], std::regex("Java 17\\.\\S* \\(.*\\) on Linux amd64")))
        << out[21];
    out[1] = "<date>";
    out[21] = "<java>";
    EXPECT_EQ(out,
              concatenated(
                  {{"Mirobanth Tintavel running on x86_64 in userspace <tester>", "<date>",
                    "Tintavel: Argument 0 = " + product + "/Tintavel64-Console",
                    "Tintavel: Argument 1 = ../notes/today.txt",
                    "Tintavel: PATH=" + javaHome + "/bin:/usr/bin:/bin:" + product + "/system/",
                    "Tintavel: No delegate used",
                    "Tintavel: Auto resolving class names are turned off", "Tintavel: Tintavel",
                    "Tintavel: tintavel.jar", "Tintavel: com/mirobanth/tintavel/Tintavel"},
                   hookupLines(classPath, libraryPath),
                   {"Tintavel: JAVA_HOME and MIROBANTH_JVM not defined"},
                   vmLibraryLines(javaHome + "/lib/server/libjvm.so"),
                   {"Tintavel: com/mirobanth/tintavel/Tintavel", "Tintavel launch report", "<java>",
                    "Arguments: 1", "  [0] ../notes/today.txt"},
                   reported(tintavelOptionsIn(product, "javax.swing.plaf.metal.MetalLookAndFeel")),
                   FINALIZED}));
}

TEST_F(LauncherTest, PolicyAndSkinSwitchesReachTheVM) {
    ChildResult result = start("Tintavel64-Console", {"-Xpolicy", "-Xgemini", "-Xnochrome"});
    EXPECT_EQ(result.status, 0) << result.err;
    Lines shown = afterVMCreation(result);
    Lines properties(std::find(shown.begin(), shown.end(), "Launcher properties:"), shown.end());
    Lines vmOptions =
        tintavelOptionsIn(product, "org.jvnet.substance.api.skin.SubstanceGeminiLookAndFeel");
    // The skin's chrome, the security manager and its policy take the last three places.
    vmOptions[5] = "-Dmirobanth.chrome=false";
    vmOptions[6] = "-Djava.security.manager";
    vmOptions[7] = "-Djava.security.policy=" + product + "/system/VM.policy";
    EXPECT_EQ(properties, concatenated({reported(vmOptions), FINALIZED}));
}

TEST_F(LauncherTest, GraphicalVariantBehavesTheSame) {
    ChildResult console = start("Tintavel64-Console", {"a b", ""});
    ChildResult graphical = start("Tintavel64", {"a b", ""});
    EXPECT_EQ(graphical.status, 0) << graphical.err;
    EXPECT_EQ(afterVMCreation(graphical), afterVMCreation(console));
    EXPECT_EQ(graphical.err, console.err);
}

// A display that takes connections and never answers holds the alert's box
// back for a few seconds only; then the terminal has it and the launcher ends.
TEST_F(LauncherTest, ASilentDisplayDelaysTheAlertBriefly) {
    if (access("/usr/bin/xmessage", X_OK) != 0) GTEST_SKIP() << "no xmessage (package x11-utils)";
    SilentDisplay display;
    options.env["DISPLAY"] = display.name();
    options.env["MIROBANTH_CLASSPATH"] = "-Djava.class.path=" + documents + "/missing";
    options.timeoutSeconds = 20;
    for (const char* launcher : {"Tintavel64-Console", "Tintavel64"}) {
        ChildResult result = start(launcher);
        EXPECT_EQ(result.status, 1) << launcher << ": " << result.err;
        EXPECT_EQ(
            linesAfter(result.err, "Tintavel: Class not found - com/mirobanth/tintavel/Tintavel"),
            Lines{"Tintavel Alert: Class not found"});
    }
}

// The command in a mount namespace of its own where /usr/lib/jvm is empty: a
// machine without Java, since java on PATH then leads nowhere too.
Lines withoutJava(const Lines& command) {
    Lines hiding = {"/usr/bin/unshare",
                    "--map-root-user",
                    "--mount",
                    "/bin/sh",
                    "-c",
                    "mount -t tmpfs none /usr/lib/jvm && exec \"$@\"",
                    "sh"};
    hiding.insert(hiding.end(), command.begin(), command.end());
    return hiding;
}

// The user learns where the launcher looked and what to do, and no line names
// an empty file.
TEST_F(LauncherTest, WithoutAnyJavaTheUserLearnsWhatToDo) {
    ChildResult probe = runChild(withoutJava({"/bin/true"}));
    if (probe.status != 0) {
        GTEST_SKIP() << "no mount namespace to hide /usr/lib/jvm in: " << probe.err;
    }
    options.args = withoutJava({product + "/Tintavel64-Console"});
    ChildResult result = runChild(options);
    EXPECT_EQ(result.status, 1);
    const std::string detail = std::string(application::PlatformLinux::RUNTIME_NOT_FOUND) + "\n";
    EXPECT_EQ(result.err, "Mirobanth Runtime Alert: Installation problem:\n" + detail + detail +
                              "Tintavel: Cannot load a library from an empty path\n" +
                              noVMWarning());
}

// Whoever can write to the product's system/ folder, which PATH receives,
// must not choose the VM: the search for java reads the user's own PATH.
TEST_F(LauncherTest, AJavaInTheProductsSystemFolderIsNotSearched) {
    const std::string planted = temporary.path() + "/planted";
    std::filesystem::create_directories(planted + "/bin");
    std::filesystem::create_directories(planted + "/lib/server");
    std::filesystem::copy_file("/bin/true", planted + "/bin/java");
    std::filesystem::copy_file(noEntryLibraryPath(), planted + "/lib/server/libjvm.so");
    std::filesystem::create_symlink(planted + "/bin/java", product + "/system/java");
    options.env["PATH"] = documents;  // no java of the user's own
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    Lines found = linesAfter(result.out, "Tintavel: Shared library found");
    ASSERT_FALSE(found.empty()) << result.out;
    EXPECT_EQ(found.front().rfind("Tintavel: /usr/lib/jvm/", 0), 0u) << found.front();
}

// A product folder with ':' in its path is refused with the reason, before
// PATH or any VM option could hold a relative entry.
TEST_F(LauncherTest, AProductFolderHoldingAColonIsRefused) {
    const std::string folder = temporary.path() + "/x:y";
    std::filesystem::copy(product, folder, std::filesystem::copy_options::recursive);
    ChildResult result = start(folder + "/Tintavel64-Console");
    const std::string problem = "The product folder " + folder +
                                " holds ':', which separates the entries of a Java class path; "
                                "install the product in a folder whose path has no ':'";
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Tintavel: PATH not extended: " + problem + "\nTintavel: " + problem +
                              "\nTintavel Alert: " + problem + "\n" + noVMWarning());
}

// What is named runtime is the product's choice, though a Java on PATH would run.
TEST_F(LauncherTest, ARuntimeThatIsNoFolderFailsNamingWhatItIs) {
    const std::string runtime = product + "/runtime", gone = documents + "/gone";
    for (bool link : {false, true}) {
        std::filesystem::remove(runtime);
        if (link) std::filesystem::create_symlink(gone, runtime);
        if (!link) std::ofstream(runtime) << "x";
        ChildResult result = start("Tintavel64-Console");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(
            lines(result.err).front(),
            "Tintavel: The bundled Java runtime " + runtime + " is " +
                (link ? "a link to " + gone + ", which does not exist" : "a file, not a folder"));
    }
}

// A FIFO where the VM library should be would block its opening for ever.
TEST_F(LauncherTest, AVMPathNamingAFifoFailsAtOnce) {
    const std::string fifo = documents + "/libjvm.so";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    options.env["MIROBANTH_JVM"] = fifo;
    options.timeoutSeconds = 20;
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Tintavel: File not found - " + fifo + "\nTintavel: Cannot load " + fifo +
                              ": not a regular file\n" + noVMError());
}

// The loader finds the libraries beside the program the link points to, and
// so does the launcher find the product.
TEST_F(LauncherTest, StartedThroughASymbolicLinkRunsTheProduct) {
    const std::string link = documents + "/Tintavel";
    std::filesystem::create_symlink(product + "/Tintavel64-Console", link);
    ChildResult result = start(link);
    EXPECT_EQ(result.status, 0) << result.err;
    Lines out = lines(result.out);
    EXPECT_NE(std::find(out.begin(), out.end(), "  " + classPath.substr(2)), out.end())
        << result.out;
}

// As /usr/bin/jedit -> /usr/lib/jedit/jEdit: the description is the target's.
TEST_F(LauncherTest, ADescribedProductStartedThroughALinkFindsItsDescription) {
    std::filesystem::copy_file(product + "/Tintavel64", product + "/jEdit");
    std::ofstream(product + "/jEdit.cfg") << "main-class = org.example.App\n";
    std::filesystem::create_symlink(product + "/jEdit", documents + "/jedit");
    options.env["MIROBANTH_JVM"] = stubVMPath();
    options.env["MIROBANTH_STUBVM_RECORD"] = documents + "/stubvm.record";
    ChildResult result = start(documents + "/jedit");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(recordedCalls(documents + "/stubvm.record", "CallStaticVoidMethod "),
              Lines{"org/example/App main array"});
}

// The working folder is no part of the class path or the library path, so
// code planted there never runs in place of the product's.
TEST_F(LauncherTest, CodePlantedInTheWorkingFolderDoesNotRun) {
    std::ofstream(documents + "/tintavel.jar") << "planted";
    std::filesystem::create_directories(documents + "/com/mirobanth/tintavel");
    std::ofstream(documents + "/com/mirobanth/tintavel/Tintavel.class") << "planted";
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    Lines out = lines(result.out);
    EXPECT_NE(std::find(out.begin(), out.end(), "Tintavel launch report"), out.end());
}

// A reader that has gone away, as head does after its first line: the
// launcher goes on and ends with the program's status, not of SIGPIPE.
TEST_F(LauncherTest, AClosedStandardOutputDoesNotEndTheLauncher) {
    const std::string launcher = product + "/Tintavel64-Console";
    options.args = {"/bin/sh", "-c",
                    // Writes until the reader has gone, then starts the
                    // launcher on that pipe with the default SIGPIPE action.
                    "exec 3>&1; ( trap '' PIPE; while echo x 2>/dev/null; do :; done; "
                    "trap - PIPE; \"$0\"; echo \"status $?\" >&3 ) | true",
                    launcher};
    ChildResult result = runChild(options);
    EXPECT_EQ(result.out, "status 0\n") << result.err;
}

// Same Java options (JAVA_TOOL_OPTIONS for the launcher's VM), same locale: the stand-in's main
// gets what it gets under java and recurses at least as deep (-Xint: frames keep their sizes).
using AsJavaCase = std::tuple<std::string, Lines, std::string>;  // options, arguments, locale
class LauncherAsJavaTest : public LauncherTest, public ::testing::WithParamInterface<AsJavaCase> {};

TEST_P(LauncherAsJavaTest, MainReceivesWhatJavaGivesItAndRecursesAtLeastAsDeep) {
    const auto& [javaOptions, arguments, locale] = GetParam();
    if (!locale.empty()) {  // language_COUNTRY.CHARSET, made with localedef
        runChild({"/usr/bin/localedef", "-i", locale.substr(0, 5), "-f", locale.substr(6),
                  temporary.path() + "/" + locale});
        if (!std::filesystem::exists(temporary.path() + "/" + locale + "/LC_CTYPE"))
            GTEST_SKIP() << "localedef cannot make " << locale << " (package locales)";
        options.env["LOCPATH"] = temporary.path();
        options.env["LC_ALL"] = locale;
    }
    std::filesystem::copy_file(MIROBANTH_STANDIN_PRODUCT_JAR, product + "/tintavel.jar",
                               std::filesystem::copy_options::overwrite_existing);
    options.env["MIROBANTH_SILENT"] = "";
    options.env["JAVA_TOOL_OPTIONS"] = javaOptions;
    ChildResult launched = start("Tintavel64-Console", arguments);
    Lines java = java::splitOptions(javaOptions);
    java.insert(java.end(),
                {"-cp", MIROBANTH_STANDIN_PRODUCT_JAR, "com.mirobanth.tintavel.Tintavel"});
    ChildResult run = start(javaHome + "/bin/java", concatenated({java, arguments}));
    Lines shown = lines(launched.out), expected = lines(run.out);
    ASSERT_TRUE(launched.status == 0 && !shown.empty() && !expected.empty()) << launched.err;
    EXPECT_GE(std::atoi(shown[0].c_str() + 6), std::atoi(expected[0].c_str() + 6))  // depth=
        << shown[0] << ", under java " << expected[0];
    EXPECT_TRUE(std::equal(shown.begin() + 1, shown.end(), expected.begin() + 1, expected.end()))
        << launched.out.substr(0, 300);
}

Lines photos(int count) {  // a folder of them, as a shell's * names them: 41 bytes each
    Lines names;
    for (int i = 0; i < count; ++i)
        names.push_back("IMG_" + std::to_string(100000 + i) + "_summer-holiday-by-the-sea.jpg");
    return names;
}

INSTANTIATE_TEST_SUITE_P(SameOptions, LauncherAsJavaTest,
                         ::testing::Values(AsJavaCase{"-Xint", photos(2500), ""},
                                           AsJavaCase{"-Xint -Xss2m", photos(37000), ""},  // 1.5 MB
                                           AsJavaCase{"-Xint",
                                                      {"caf\xE9.txt", "\xC3\xA9", "\x80\xFF"},
                                                      "en_US.ISO-8859-1"}));

}}  // namespace mirobanth::test
