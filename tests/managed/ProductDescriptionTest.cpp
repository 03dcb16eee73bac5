// A product's description and a user's Java options, read from their texts.
#include <gtest/gtest.h>

#include "DescriptionFiles.h"
#include "ManagedTestSupport.h"
#include "SystemFacts.h"

using mirobanth::managed::launcherName;
using mirobanth::managed::ProductDescription;
using mirobanth::managed::readProductDescription;
using mirobanth::managed::readUserJavaOptions;
using mirobanth::managed::UserJavaOptions;
namespace facts = mirobanth::test::facts;
using Lines = std::vector<std::string>;

namespace {

// A product folder with two jars, and texts that name them.
class ProductDescriptionTest : public ::testing::Test {
protected:
    std::string read(const std::string& text, ProductDescription* product = nullptr) {
        auto reading = readProductDescription(text, file, folder.path(), "jEdit");
        if (product) *product = reading.product;
        return reading.problem;
    }
    // The text with <folder>/ and <sep> put in.
    std::string filled(std::string text) const {
        for (auto [marker, value] : {std::pair<std::string, std::string>{"<folder>/", inFolder("")},
                                     {"<sep>", facts::pathListSeparator()}}) {
            for (auto at = text.find(marker); at != std::string::npos; at = text.find(marker))
                text.replace(at, marker.size(), value);
        }
        return text;
    }
    std::string inFolder(const std::string& entry) const {
        return folder.path() + facts::directorySeparator() + entry;
    }

    mirobanth::test::TemporaryFolder folder;
    const std::string file = folder.path() + "/jEdit.cfg";
    const std::string appJar = folder.write("app.jar", "");
    const std::string libJar = folder.write("lib/b.jar", "");
};

TEST_F(ProductDescriptionTest, EveryKeyIsRead) {
    ProductDescription product;
    EXPECT_EQ(read("\xEF\xBB\xBF# jEdit, as Debian ships it\r\n"
                   "name = jEdit\r\n"
                   "  vendor=The jEdit team  \n"
                   "version = 5.5\n"
                   "main-class = org.gjt.sp.jedit.jEdit\n\n"
                   "class-path = lib/b.jar\n"
                   "class-path = " +
                       appJar +
                       "\n"
                       "java-option = -Xmx512m\n"
                       "java-option = -Dhome=$PRODUCT_DIR/x\n"
                       "argument = -nosplash\n"
                       "argument = a = b\n"
                       "java-min = 17\n"
                       "look-and-feel = javax.swing.plaf.nimbus.NimbusLookAndFeel\n"
                       "diagnostics = verbose\n",
                   &product),
              "");
    EXPECT_EQ(product.name, "jEdit");
    EXPECT_EQ(product.vendor, "The jEdit team");
    EXPECT_EQ(product.version, "5.5");
    EXPECT_EQ(product.mainClass, "org/gjt/sp/jedit/jEdit");
    EXPECT_EQ(product.classPath, (Lines{inFolder("lib/b.jar"), appJar}));
    EXPECT_EQ(product.javaOptions, (Lines{"-Xmx512m", "-Dhome=" + folder.path() + "/x"}));
    EXPECT_EQ(product.arguments, (Lines{"-nosplash", "a = b"}));
    EXPECT_EQ(product.javaMin, 17);
    EXPECT_EQ(product.lookAndFeel, "javax.swing.plaf.nimbus.NimbusLookAndFeel");
    EXPECT_TRUE(product.verbose);
}

TEST_F(ProductDescriptionTest, TheMainClassAloneKeepsEveryDefault) {
    ProductDescription product;
    EXPECT_EQ(read("main-class = a/B", &product), "");
    EXPECT_EQ(product.name, "jEdit");
    EXPECT_EQ(product.mainClass, "a/B");
    EXPECT_EQ(product.javaMin, 0);
    EXPECT_EQ(product.lookAndFeel, "native");
    EXPECT_FALSE(product.verbose);
}

struct Fault {
    const char* name;
    const char* text;
    int line;  // 0: the fault is the file's, not a line's
    const char* fault;
};

class FaultyDescriptionTest : public ProductDescriptionTest,
                              public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultyDescriptionTest, IsToldWithItsFileAndLine) {
    const Fault& fault = GetParam();
    const std::string where =
        fault.line ? file + ", line " + std::to_string(fault.line) + ": " : file + ": ";
    EXPECT_EQ(read(filled(fault.text)), where + filled(fault.fault));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FaultyDescriptionTest,
    ::testing::Values(
        Fault{"UnknownKey", "name = A\nclas-path = app.jar\n", 2, "unknown key \"clas-path\""},
        Fault{"NoEquals", "main-class org.App\n", 1,
              "\"main-class org.App\" is not a \"key = value\" line"},
        Fault{"RepeatedKey", "main-class = a.B\nname = A\nname = B", 3,
              "\"name\" is given again (first on line 2)"},
        Fault{"JavaMinNotANumber", "main-class = a.B\njava-min = seventeen", 2,
              "\"java-min\" must be a Java feature version such as 17, not \"seventeen\""},
        Fault{"MissingClassPathEntry", "class-path = app.jar\nclass-path = missing.jar", 2,
              "class path entry \"missing.jar\" does not exist: <folder>/missing.jar"},
        Fault{"TwoEntriesInOne", "class-path = app.jar<sep>lib/b.jar", 1,
              "class path entry \"app.jar<sep>lib/b.jar\" holds \"<sep>\": give each entry a line "
              "of its own"},
        Fault{"UnknownLookAndFeel", "look-and-feel = metal", 1,
              "unknown look and feel \"metal\": use native, gemini, graphite or a class name such "
              "as javax.swing.plaf.nimbus.NimbusLookAndFeel"},
        Fault{"UnknownDiagnostics", "diagnostics = loud", 1,
              "unknown diagnostics \"loud\": use quiet or verbose"},
        Fault{"NoValue", "main-class =", 1, "\"main-class\" has no value"},
        Fault{"NameNotAFileName", "name = a/b", 1,
              "\"name\" cannot hold \"/\": it names the folder of the user's Java "
              "options"},
        Fault{"OptionWithoutDash", "java-option = Xmx512m", 1,
              "\"java-option\" must begin with \"-\": Xmx512m"},
        Fault{"NotUtf8", "# \xC3\xA9\nmain-class = a.\xC3", 2, "not UTF-8 text"},
        Fault{"NoMainClass", "name = A\n\n# no class", 0,
              "\"main-class\" is missing: it names the Java class to "
              "run"}),
    [](const auto& info) { return std::string(info.param.name); });

struct UserFile {
    const char* name;
    const char* text;
    Lines options;
    const char* fault;  // "" when the file is used
};

class UserJavaOptionsTest : public ::testing::TestWithParam<UserFile> {};

TEST_P(UserJavaOptionsTest, AreUsedWholeOrNotAtAll) {
    const UserJavaOptions user = readUserJavaOptions(GetParam().text, "u.vmoptions");
    const std::string fault = GetParam().fault;
    EXPECT_EQ(user.options, GetParam().options);
    EXPECT_EQ(user.read, fault.empty());
    EXPECT_EQ(
        user.problem,
        fault.empty() ? "" : "u.vmoptions, " + fault + "; the launch goes on without this file");
}

INSTANTIATE_TEST_SUITE_P(
    Table, UserJavaOptionsTest,
    ::testing::Values(
        UserFile{"Used", "# mine\n-Xmx2g\n\n  -Dsize=big  \r\n", {"-Xmx2g", "-Dsize=big"}, ""},
        UserFile{"NotAnOption",
                 "-Xmx2g\nXss4m",
                 {},
                 "line 2: \"Xss4m\" is not a Java option, which begins with \"-\""},
        UserFile{"NotUtf8", "-Dname=\xFF", {}, "line 1: not UTF-8 text"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LauncherNameTest, DropsTheProgramsSuffixes) {
    EXPECT_EQ(launcherName("/usr/lib/jedit/jEdit"), "jEdit");
    EXPECT_EQ(launcherName("/usr/lib/jedit/jEdit-Console"), "jEdit");
    EXPECT_EQ(launcherName("C:/Program Files/jEdit/jEdit-Console.EXE"), "jEdit");
    EXPECT_EQ(launcherName("/opt/tintavel/Tintavel64"), "Tintavel64");
}

}  // namespace
