// The registry walk of the Windows platform over a registry held in memory.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/portable/JavaRegistryLookup.h"

namespace mirobanth::test { namespace {

namespace registry = application::java_registry;

// Keys by path, each with its values' bytes; records what the walk did.
class FakeRegistry : public application::RegistryReader {
public:
    std::map<std::string, std::map<std::string, std::string>> keys;
    std::vector<std::string> log;
    int openKeys = 0;

    Key open(const std::string& path) override {
        log.push_back("open " + path);
        auto key = keys.find(path);
        if (key == keys.end()) return nullptr;
        ++openKeys;
        return &key->second;
    }
    long read(Key key, const std::string& name, unsigned char* buffer,
              std::size_t capacity) override {
        log.push_back("read " + name);
        auto& values = *static_cast<std::map<std::string, std::string>*>(key);
        auto value = values.find(name);
        if (value == values.end() || value->second.size() > capacity) return -1;
        std::copy(value->second.begin(), value->second.end(), buffer);
        return static_cast<long>(value->second.size());
    }
    void close(Key) override { --openKeys; }
};

const std::string JRE8 = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
const std::string JRE = "SOFTWARE\\JavaSoft\\JRE";
const std::string JDK = "SOFTWARE\\JavaSoft\\JDK";
// A string value as the registry stores it: with its terminating zero.
std::string stored(const std::string& text) { return text + std::string(1, '\0'); }

class JavaRegistryLookupTest : public ::testing::Test {
protected:
    registry::Outcome lookup() {
        registry::Outcome outcome = registry::findRuntimeLibrary(fake);
        EXPECT_EQ(fake.openKeys, 0) << "every opened key is closed";
        return outcome;
    }
    void install(const std::string& key, const std::string& version, const std::string& library) {
        fake.keys[key]["CurrentVersion"] = stored(version);
        fake.keys[key + "\\" + version]["RuntimeLib"] = library;
    }
    FakeRegistry fake;
};

TEST_F(JavaRegistryLookupTest, TheJava8KeyGivesItsRuntimeLibWithQuotesKept) {
    install(JRE8, "1.8", stored("\"C:\\Program Files\\Java\\jre\\bin\\client\\jvm.dll\""));
    registry::Outcome outcome = lookup();
    EXPECT_EQ(outcome.library, "\"C:\\Program Files\\Java\\jre\\bin\\client\\jvm.dll\"");
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(fake.log, (std::vector<std::string>{"open " + JRE8, "read CurrentVersion",
                                                  "open " + JRE8 + "\\1.8", "read RuntimeLib"}));
}

TEST_F(JavaRegistryLookupTest, ModernJavaIsFoundUnderTheJreAndTheJdkKeys) {
    install(JRE, "17", stored("C:\\jre17\\bin\\server\\jvm.dll"));
    EXPECT_EQ(lookup().library, "C:\\jre17\\bin\\server\\jvm.dll");
    fake.keys.clear();
    install(JDK, "21", stored("C:\\jdk21\\bin\\server\\jvm.dll"));
    EXPECT_EQ(lookup().library, "C:\\jdk21\\bin\\server\\jvm.dll");
}

TEST_F(JavaRegistryLookupTest, EachFailingStepHasItsOwnProblem) {
    // The problems as the user reads them, in a box and on standard error.
    EXPECT_EQ(lookup().problem, "Register Key Not Found - No Java installed ?");
    fake.keys[JRE8];
    EXPECT_EQ(lookup().problem, "CurrentVersion - Failed JRE install ?");
    fake.keys[JRE8]["CurrentVersion"] = stored("1.6");
    fake.log.clear();
    EXPECT_EQ(lookup().problem, "Version Root");
    EXPECT_EQ(std::count(fake.log.begin(), fake.log.end(), "read RuntimeLib"), 0);
    fake.keys[JRE8 + "\\1.6"];
    registry::Outcome outcome = lookup();
    EXPECT_EQ(outcome.problem, "RuntimeLib - Failed JRE install ?");
    EXPECT_EQ(outcome.library, "");
    fake.keys[JRE8 + "\\1.6"]["RuntimeLib"] = stored("");
    EXPECT_EQ(lookup().problem, "RuntimeLib - Failed JRE install ?");
}

// A broken Java 8 entry does not hide a modern installation, and the
// problem reported is that of the first key that exists.
TEST_F(JavaRegistryLookupTest, TheFirstKeyThatExistsNamesTheProblem) {
    fake.keys[JRE]["CurrentVersion"] = stored("11");
    fake.keys[JDK];
    EXPECT_EQ(lookup().problem, registry::NO_VERSION_KEY);
    install(JDK, "21", stored("C:\\jdk21\\bin\\server\\jvm.dll"));
    EXPECT_EQ(lookup().library, "C:\\jdk21\\bin\\server\\jvm.dll");
}

TEST_F(JavaRegistryLookupTest, ValuesAreTextUpToTheirFirstZeroOrTheirEnd) {
    install(JRE8, "1.8", "C:\\jvm.dll");  // no terminating zero
    EXPECT_EQ(lookup().library, "C:\\jvm.dll");
    install(JRE8, "1.8", std::string("C:\\a.dll\0C:\\b.dll", 17));
    EXPECT_EQ(lookup().library, "C:\\a.dll");
}

TEST_F(JavaRegistryLookupTest, AValueLongerThanTheBufferFails) {
    install(JRE8, "1.8", std::string(registry::VALUE_CAPACITY, 'x'));
    EXPECT_EQ(lookup().library, std::string(registry::VALUE_CAPACITY, 'x'));
    install(JRE8, "1.8", std::string(600, 'x'));
    EXPECT_EQ(lookup().problem, registry::NO_RUNTIME_LIB);
}

}}  // namespace mirobanth::test
