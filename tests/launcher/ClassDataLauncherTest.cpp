// A described product's class-data archive with Debian's OpenJDK: what the
// program does and prints is the same without it, on the start that writes
// it and on those that map it, whatever keeps it from being written.
#include <gtest/gtest.h>

#include <filesystem>

#include "ManagedTestSupport.h"

using mirobanth::test::ChildOptions;
using mirobanth::test::ChildResult;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

class ClassDataLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(MIROBANTH_PRODUCT_DIR, product.path(), fs::copy_options::recursive);
        launcher = mirobanth::test::copyProgram("Tintavel64-Console", product.path(), "Exits");
        fs::copy_file(MIROBANTH_JAVA_TESTS_JAR, jar);
        describe("off");
        options.env = mirobanth::test::cleanLauncherEnvironment();
        options.env["JAVA_HOME"] = mirobanth::test::realJavaHome();
        options.env["XDG_CACHE_HOME"] = cache;
        options.env["XDG_CONFIG_HOME"] = product.path() + "/config";
        for (const Lines& arguments : {Lines{"exit", "7"}, Lines{"return"}}) {
            without.push_back(start(arguments));
        }
        describe("auto");
    }

    void describe(const std::string& classData, const std::string& more = "") {
        product.write("Exits.cfg", "main-class = com.mirobanth.tests.ExitWith\nclass-path = " +
                                       jar + "\nclass-data = " + classData + "\n" + more);
    }
    ChildResult start(const Lines& arguments) {
        options.args = {launcher};
        options.args.insert(options.args.end(), arguments.begin(), arguments.end());
        return mirobanth::test::runChild(options);
    }
    // Each start as without an archive: "exit 7" ends through System.exit,
    // "return" through the end of main.
    void expectAsWithout(const std::string& when) {
        for (std::size_t i = 0; i < without.size(); ++i) {
            ChildResult result = start(i == 0 ? Lines{"exit", "7"} : Lines{"return"});
            EXPECT_EQ(result.status, without[i].status) << when;
            EXPECT_EQ(result.out, without[i].out) << when;
            EXPECT_EQ(result.err, without[i].err) << when;
        }
    }
    Lines cached() const {
        Lines names;
        std::error_code none;
        for (const auto& entry : fs::directory_iterator(cache + "/Exits", none))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool isArchive(const std::string& name) {
        return name.rfind("classes-", 0) == 0 && name.size() == 28 && name.find(".jsa") == 24;
    }

    mirobanth::test::TemporaryFolder product;
    const std::string cache = product.path() + "/cache";
    const std::string jar = product.path() + "/javatests.jar";
    std::string launcher;
    ChildOptions options;
    std::vector<ChildResult> without;
};

TEST_F(ClassDataLauncherTest, TheProgramDoesAndSaysTheSameWritingAndMappingTheArchive) {
    expectAsWithout("writing");
    const Lines archive = cached();
    ASSERT_EQ(archive.size(), 1u);
    EXPECT_TRUE(isArchive(archive[0])) << archive[0];
    expectAsWithout("mapping");
    options.env["MIROBANTH"] = "1";
    EXPECT_NE(
        start({"return"})
            .out.find("Exits: Class data archive mapped: " + cache + "/Exits/" + archive[0] + "\n"),
        std::string::npos);
    EXPECT_EQ(cached(), archive);
}

// A jar rewritten makes another key; the old archive goes, and so does what
// a start killed while writing left, but not what a running start writes.
TEST_F(ClassDataLauncherTest, AStaleArchiveIsReplacedAndALeftoverRemoved) {
    start({"return"});
    const Lines old = cached();
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(jar, hourAgo);
    const std::string leftover = product.write("cache/Exits/classes-0.1.tmp.jsa", "part");
    fs::last_write_time(leftover, hourAgo);
    product.write("cache/Exits/classes-0.2.tmp.jsa", "being written");
    expectAsWithout("after the jar changed");
    const Lines now = cached();
    ASSERT_EQ(now.size(), 2u);
    EXPECT_EQ(now[0], "classes-0.2.tmp.jsa");
    EXPECT_TRUE(isArchive(now[1]) && now[1] != old.at(0)) << now[1];
}

TEST_F(ClassDataLauncherTest, TwoFirstStartsAtOnceBothSucceed) {
    options.args = {"/bin/sh", "-c", "\"$0\" return & \"$0\" return; b=$?; wait $!; echo $? $b",
                    launcher};
    ChildResult both = mirobanth::test::runChild(options);
    EXPECT_EQ(both.out, "returning\nreturning\n0 0\n");
    EXPECT_EQ(both.err, "");
    const Lines archive = cached();
    ASSERT_EQ(archive.size(), 1u);
    EXPECT_TRUE(isArchive(archive[0])) << archive[0];
}

TEST_F(ClassDataLauncherTest, AFolderOnTheClassPathKeepsNoArchive) {
    product.write("plugins/readme.txt", "plugins go here");
    describe("auto", "class-path = plugins\n");
    expectAsWithout("with a folder");
    EXPECT_TRUE(cached().empty());
    options.env["MIROBANTH"] = "1";
    EXPECT_NE(start({"return"})
                  .out.find("Exits: No class data archive: the class path holds the "
                            "folder " +
                            product.path() + "/plugins, which no archive takes\n"),
              std::string::npos);
}

// The cache, with the archive of an earlier start, made full or read-only in
// a mount namespace of the test's own. Complete archives aside, no file stays.
using Mount = std::pair<const char*, const char*>;  // name, shell commands
class UnwritableCacheTest : public ClassDataLauncherTest,
                            public ::testing::WithParamInterface<Mount> {};

TEST_P(UnwritableCacheTest, GivesANormalStartAndLeavesNoFile) {
    if (mirobanth::test::runChild({"/usr/bin/unshare", "-m", "/bin/true"}).status != 0)
        GTEST_SKIP() << "no mount namespace can be made here (unshare -m needs root)";
    start({"return"});
    options.args = {"/usr/bin/unshare",
                    "-m",
                    "/bin/sh",
                    "-c",
                    std::string(GetParam().second) + " && \"$0\" exit 7; s=$?; ls -A \"$1\"/Exits" +
                        " | grep -v '^classes-[0-9a-f]*[.]jsa$'; exit $s",
                    launcher,
                    cache};
    ChildResult result = mirobanth::test::runChild(options);
    EXPECT_EQ(result.status, without[0].status) << result.err;
    EXPECT_EQ(result.out, without[0].out);
    EXPECT_EQ(result.err, without[0].err);
}

INSTANTIATE_TEST_SUITE_P(
    Cache, UnwritableCacheTest,
    ::testing::Values(
        Mount{"Full", "mount -t tmpfs -o size=64k tmpfs \"$1\" && mkdir \"$1\"/Exits"},
        Mount{"ReadOnly", "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\""}),
    [](const auto& info) { return std::string(info.param.first); });

}  // namespace
