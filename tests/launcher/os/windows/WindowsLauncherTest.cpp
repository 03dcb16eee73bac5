// The launchers in a Windows product folder whose path has blanks and
// letters beyond ASCII, under Wine: the Java runtime found through the
// registry or JAVA_HOME, and the message boxes a user sees without one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ManagedTestSupport.h"
#include "MessageBoxAnswerer.h"
#include "RegistryFixture.h"

namespace mirobanth::test { namespace {

using Answer = MessageBoxAnswerer::Answer;
namespace fs = std::filesystem;

const std::string TAIL = "\n\t\t\t\t";
const std::string JRE8 = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
// "Tintavel Jävä 😀": blanks, accents and a character beyond the BMP.
const std::string PRODUCT_NAME = "Tintavel J\xC3\xA4v\xC3\xA4 \xF0\x9F\x98\x80";

class WindowsLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(fs::u8path(MIROBANTH_PRODUCT_DIR), fs::u8path(product),
                 fs::copy_options::recursive);
        options.env = cleanLauncherEnvironment();
        options.env["MIROBANTH_STUBVM_RECORD"] = recordFile;
        // Message boxes need the display of the test's Wine desktop.
        const char* display = std::getenv("DISPLAY");
        options.env["DISPLAY"] = std::string(display ? display : "");
        options.workingDirectory = work.path();
    }

    ChildResult start(const std::string& program, const Lines& arguments = {}) {
        return runChild(options, product + "\\" + programFileName(program), arguments);
    }

    Lines recorded(const std::string& prefix) const { return recordedCalls(recordFile, prefix); }

    // A copy of a library of the build at a path below the work folder.
    std::string place(const std::string& builtFile, const std::string& relativePath) {
        fs::path target = fs::u8path(work.path()) / fs::u8path(relativePath);
        fs::create_directories(target.parent_path());
        fs::copy_file(fs::u8path(builtFile), target);
        return target.u8string();
    }

    RegistryFixture registry;
    TemporaryFolder folder;
    TemporaryFolder work;
    const std::string product = folder.path() + "\\" + PRODUCT_NAME;
    const std::string recordFile = work.path() + "\\stubvm.record";
    ChildOptions options;
};

TEST_F(WindowsLauncherTest, TheRegistrysRuntimeLibIsTheVMBothLaunchersRun) {
    std::string vm = place(stubVMPath(), "J\xC3\xA4v\xC3\xA4 \xF0\x9F\x98\x80\\jvm.dll");
    RegistryFixture::install(JRE8, "1.8", vm);
    for (const char* launcher : {"Tintavel64-Console", "Tintavel64"}) {
        SCOPED_TRACE(launcher);
        fs::remove(fs::u8path(recordFile));
        ChildResult result = start(launcher);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(recorded("option "),
                  tintavelOptionsIn(product, "com.sun.java.swing.plaf.windows.WindowsLookAndFeel"));
        EXPECT_EQ(recorded("CallStaticVoidMethod ").size(), 1u);
    }
}

// Without Java the user sees one box, the installation problem (a second box,
// unanswered, would hold the launcher), and the launcher exits with 1.
TEST_F(WindowsLauncherTest, WithoutJavaBothLaunchersShowWhatIsMissing) {
    options.timeoutSeconds = 20;
    for (const char* launcher : {"Tintavel64-Console", "Tintavel64"}) {
        SCOPED_TRACE(launcher);
        MessageBoxAnswerer problem("Mirobanth Runtime Alert", Answer::Ok);
        ChildResult result = start(launcher);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(
            problem.seen().text,
            "Installation problem:\nRegister Key Not Found - No Java installed ?" + TAIL + TAIL);
        EXPECT_EQ(lines(result.err),
                  (Lines{"Register Key Not Found - No Java installed ?",
                         "Tintavel: Cannot load a library from an empty path",
                         "Tintavel: Unable to initialize a virtual machine (launch2)"}));
    }
}

// A JDK's bin\server\jvm.dll imports DLLs that sit in bin, above its own
// folder; a DLL it loads by bare name comes from the product's system folder,
// which PATH names, and never from the working folder.
TEST_F(WindowsLauncherTest, TheVMsDLLsComeFromItsFoldersNeverTheWorkingFolder) {
    const std::string importing = std::string(MIROBANTH_IMPORTING_VM_DIR) + "/";
    place(importing + "libmirobanth_stubvm_importing.dll", "jdk\\bin\\server\\jvm.dll");
    place(importing + "libmirobanth_vmcompanion.dll", "jdk\\bin\\libmirobanth_vmcompanion.dll");
    place(importing + "libmirobanth_vmcompanion.dll", "plantme.dll");
    options.env["JAVA_HOME"] = work.path() + "\\jdk";
    ChildResult result = start("Tintavel64-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(recorded("companion "), Lines{"7"});
    EXPECT_EQ(recorded("plantme.dll "), Lines{"nothing"});
    EXPECT_EQ(recorded("CallStaticVoidMethod ").size(), 1u);
    fs::copy_file(fs::u8path(importing + "libmirobanth_vmcompanion.dll"),
                  fs::u8path(product + "\\system\\plantme.dll"));
    start("Tintavel64-Console");
    EXPECT_EQ(recorded("plantme.dll ").back(), product + "\\system\\plantme.dll");
}

// The loader's own \\?\ form, and a path beyond MAX_PATH, name the VM too.
TEST_F(WindowsLauncherTest, TheVMLoadsFromAnyAbsolutePath) {
    const std::string stub = stubVMPath(), deep(250, 'd');
    place(stub, "jdk\\bin\\server\\jvm.dll");
    for (const auto& [variable, value] : std::vector<std::pair<std::string, std::string>>{
             {"MIROBANTH_JVM", "\\\\?\\" + place(stub, "vm\\jvm.dll")},
             {"MIROBANTH_JVM", place(stub, deep + "\\jvm.dll")},
             {"JAVA_HOME", "\\\\?\\" + work.path() + "\\jdk"}}) {
        options.env[variable] = value;
        EXPECT_EQ(start("Tintavel64-Console").status, 0) << value;
    }
}

// Each registered runtime is known by its key's version: Java 8 is passed over.
TEST_F(WindowsLauncherTest, ADescribedProductTakesTheRegisteredJavaThatIsNewEnough) {
    RegistryFixture::install(JRE8, "1.8", place(stubVMPath(), "jre8\\bin\\client\\jvm.dll"));
    RegistryFixture::install("SOFTWARE\\JavaSoft\\JDK", "17",
                             place(stubVMPath(), "jdk17\\bin\\server\\jvm.dll"));
    copyProgram("Tintavel64-Console", product, "jEdit-Console");
    std::ofstream(fs::u8path(product + "\\jEdit.cfg"))
        << "main-class = org.example.App\njava-min = 11\n";
    options.env["MIROBANTH"] = "1";
    ChildResult result = start("jEdit-Console");
    EXPECT_EQ(result.status, 0) << result.err;
    for (const std::string& line :
         {"jEdit: Passed over Java 8 in " + work.path() + "\\jre8: jEdit needs Java 11 or later",
          "jEdit: Java 17 in " + work.path() + "\\jdk17 is used"})
        EXPECT_NE(result.out.find(line + "\n"), std::string::npos) << line << "\n" << result.out;
    EXPECT_EQ(recorded("CallStaticVoidMethod "), Lines{"org/example/App main array"});
}

}}  // namespace mirobanth::test
