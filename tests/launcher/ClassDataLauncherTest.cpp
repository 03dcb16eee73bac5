// A described product's class-data archive with Debian's OpenJDK: what the
// program does and prints is the same without it, on the start that writes
// it and on those that map it, whatever keeps it from being written.
#include <gtest/gtest.h>

#include <filesystem>

#include "ManagedTestSupport.h"

namespace mirobanth::test { namespace {

namespace fs = std::filesystem;

// "exit 7" ends through System.exit, "return" through the end of main.
const Lines RUNS[] = {{"exit", "7"}, {"return"}};

class ClassDataLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(MIROBANTH_PRODUCT_DIR, product.path(), fs::copy_options::recursive);
        launcher = copyProgram("Tintavel64-Console", product.path(), "Exits");
        fs::copy_file(MIROBANTH_JAVA_TESTS_JAR, jar);
        describe("off");
        options.env = cleanLauncherEnvironment();
        options.env["JAVA_HOME"] = realJavaHome();
        options.env["XDG_CACHE_HOME"] = cache;
        options.env["XDG_CONFIG_HOME"] = product.path() + "/config";
        for (const Lines& arguments : RUNS) without.push_back(start(arguments));
        describe("auto");
    }

    void describe(const std::string& classData, const std::string& more = "") {
        product.write("Exits.cfg", "main-class = com.mirobanth.tests.ExitWith\nclass-path = " +
                                       jar + "\nclass-data = " + classData + "\n" + more);
    }
    ChildResult start(const Lines& arguments) { return runChild(options, launcher, arguments); }
    static void expectSame(const ChildResult& result, const ChildResult& as, const char* when) {
        EXPECT_EQ(result.status, as.status) << when << result.err;
        EXPECT_EQ(result.out, as.out) << when;
        EXPECT_EQ(result.err, as.err) << when;
    }
    void expectAsWithout(const char* when) {
        for (std::size_t i = 0; i < without.size(); ++i)
            expectSame(start(RUNS[i]), without[i], when);
    }
    Lines cached() const {
        Lines names;
        std::error_code none;
        for (const auto& entry : fs::directory_iterator(cache + "/Exits", none))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The cache's one file, an archive: classes-<16 digits>.jsa.
    std::string theArchive() const {
        const Lines names = cached();
        const bool one = names.size() == 1 && names[0].size() == 28 && names[0].find(".jsa") == 24;
        EXPECT_TRUE(one && names[0].rfind("classes-", 0) == 0) << ::testing::PrintToString(names);
        return one ? names[0] : "";
    }

    TemporaryFolder product;
    const std::string cache = product.path() + "/cache";
    const std::string jar = product.path() + "/javatests.jar";
    std::string launcher;
    ChildOptions options;
    std::vector<ChildResult> without;
};

TEST_F(ClassDataLauncherTest, TheProgramDoesAndSaysTheSameWritingAndMappingTheArchive) {
    expectAsWithout("writing");
    const std::string archive = theArchive();
    expectAsWithout("mapping");
    options.env["MIROBANTH"] = "1";
    const std::string said = "Exits: Class data archive mapped: " + cache + "/Exits/" + archive;
    EXPECT_NE(start({"return"}).out.find(said + "\n"), std::string::npos);
    EXPECT_EQ(theArchive(), archive);
}

// A jar rewritten makes another key; the old archive goes, and so does what
// a start killed while writing left, but not what a running start writes.
TEST_F(ClassDataLauncherTest, AStaleArchiveIsReplacedAndALeftoverRemoved) {
    start({"return"});
    const std::string old = theArchive();
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(jar, hourAgo);
    const std::string leftover = product.write("cache/Exits/classes-0.1.tmp.jsa", "part");
    fs::last_write_time(leftover, hourAgo);
    product.write("cache/Exits/classes-0.2.tmp.jsa", "being written");
    expectAsWithout("after the jar changed");
    const Lines now = cached();
    ASSERT_EQ(now.size(), 2u);
    EXPECT_EQ(now[0], "classes-0.2.tmp.jsa");
    EXPECT_NE(now[1], old);
}

TEST_F(ClassDataLauncherTest, TwoFirstStartsAtOnceBothSucceed) {
    options.args = {"/bin/sh", "-c", "\"$0\" return & \"$0\" return; b=$?; wait $!; echo $? $b",
                    launcher};
    ChildResult both = runChild(options);
    EXPECT_EQ(both.out, "returning\nreturning\n0 0\n");
    EXPECT_EQ(both.err, "");
    theArchive();
}

TEST_F(ClassDataLauncherTest, AFolderOnTheClassPathKeepsNoArchive) {
    product.write("plugins/readme.txt", "plugins go here");
    describe("auto", "class-path = plugins\n");
    expectAsWithout("with a folder");
    EXPECT_TRUE(cached().empty());
}

// The cache, with the archive of an earlier start, made full or read-only in
// a mount namespace of the test's own. Complete archives aside, no file stays.
using Mount = std::pair<const char*, const char*>;  // name, shell commands
class UnwritableCacheTest : public ClassDataLauncherTest,
                            public ::testing::WithParamInterface<Mount> {};

TEST_P(UnwritableCacheTest, GivesANormalStartAndLeavesNoFile) {
    if (runChild({"/usr/bin/unshare", "-m", "/bin/true"}).status != 0)
        GTEST_SKIP() << "no mount namespace can be made here (unshare -m needs root)";
    start({"return"});
    const std::string script = std::string(GetParam().second) + " && \"$0\" exit 7; s=$?; " +
                               "ls -A \"$1\"/Exits | grep -v '^classes-[0-9a-f]*[.]jsa$'; exit $s";
    options.args = {"/usr/bin/unshare", "-m", "/bin/sh", "-c", script, launcher, cache};
    expectSame(runChild(options), without[0], GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Cache, UnwritableCacheTest,
    ::testing::Values(
        Mount{"Full", "mount -t tmpfs -o size=64k tmpfs \"$1\" && mkdir \"$1\"/Exits"},
        Mount{"ReadOnly", "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\""}),
    [](const auto& info) { return std::string(info.param.first); });

}}  // namespace mirobanth::test
