// A product's description read from its text; what the launcher makes of it
// is seen where it arrives, in the product's and the launcher's tests.
#include <gtest/gtest.h>

#include "DescriptionFiles.h"
#include "ManagedTestSupport.h"
#include "SystemFacts.h"

namespace mirobanth::test { namespace {

class ProductDescriptionTest : public ::testing::Test {
protected:
    std::string read(const std::string& text, managed::ProductDescription* product = nullptr) {
        auto reading = managed::readProductDescription(text, file, folder.path(), "jEdit");
        if (product) *product = reading.product;
        return reading.problem;
    }

    TemporaryFolder folder;
    const std::string file = folder.path() + "/jEdit.cfg";
    const std::string appJar = folder.write("app.jar", "");
};

// As an editor on Windows may write it: a byte order mark, "\r\n", blanks.
TEST_F(ProductDescriptionTest, KeysAreReadAsAnEditorWritesThem) {
    managed::ProductDescription product;
    EXPECT_EQ(read("\xEF\xBB\xBF# jEdit, as Debian ships it\r\n"
                   "  vendor=The jEdit team  \r\n\n"
                   "version = 5.5\nmain-class = org.gjt.sp.jedit.jEdit\nargument = a = b\n"
                   "java-min = 17\nlook-and-feel = javax.swing.plaf.nimbus.NimbusLookAndFeel\n"
                   "diagnostics = verbose\n",
                   &product),
              "");
    EXPECT_EQ(product.vendor, "The jEdit team");
    EXPECT_EQ(product.arguments, Lines{"a = b"});
    EXPECT_EQ(product.javaMin, 17);
    EXPECT_EQ(product.lookAndFeel, "javax.swing.plaf.nimbus.NimbusLookAndFeel");
    EXPECT_TRUE(product.verbose);
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
    std::string expected =
        (fault.line ? file + ", line " + std::to_string(fault.line) : file) + ": " + fault.fault;
    const std::string marker = "<folder>/";
    if (auto at = expected.find(marker); at != std::string::npos)
        expected.replace(at, marker.size(), folder.path() + facts::directorySeparator());
    EXPECT_EQ(read(fault.text), expected);
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
        Fault{"UnknownLookAndFeel", "look-and-feel = metal", 1,
              "unknown look and feel \"metal\": use native, gemini, graphite or a class name such "
              "as javax.swing.plaf.nimbus.NimbusLookAndFeel"},
        Fault{"UnknownDiagnostics", "diagnostics = loud", 1,
              "unknown diagnostics \"loud\": use quiet or verbose"},
        Fault{"UnknownClassData", "class-data = always", 1,
              "unknown class-data \"always\": use auto or off"},
        Fault{"NoValue", "main-class =", 1, "\"main-class\" has no value"},
        Fault{"NameNotAFileName", "name = a/b", 1,
              "\"name\" cannot hold \"/\": it names the folder of the user's Java options"},
        Fault{"OptionWithoutDash", "java-option = Xmx512m", 1,
              "\"java-option\" must begin with \"-\": Xmx512m"},
        Fault{"NotUtf8", "# \xC3\xA9\nmain-class = a.\xC3", 2, "not UTF-8 text"},
        Fault{"NoMainClass", "name = A\n\n# no class", 0,
              "\"main-class\" is missing: it names the Java class to run"}),
    [](const auto& info) { return std::string(info.param.name); });

}}  // namespace mirobanth::test
