#include <mirobanth/application/platform/PlatformLinux.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ChildProcess.h"
#include "EnvironmentVariables.h"
#include "JavaHome.h"
#include "platform/os/linux/JavaRuntimeLocator.h"

namespace mirobanth::test { namespace {

namespace fs = std::filesystem;

// Builds fake Java installations in a temporary tree: a libjvm.so where the
// layout puts it and an executable bin/java.
class JavaRuntimeLocatorTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::string root = fs::canonical(folder.path()).string();

    // A JDK 9+ runtime unless a JDK 8 one is asked for; returns its library.
    std::string installRuntime(const std::string& home, bool jdk8 = false) {
        auto candidates = os::javaHomeLibraries(root + "/" + home, os::System::Linux);
        std::string library = candidates.at(jdk8 ? 1 : 0);
        write(library.substr(root.size() + 1), "");
        write(home + "/bin/java", "#!/bin/sh\n");
        return library;
    }
    void write(const std::string& relativePath, const std::string& content) {
        std::string path = folder.write(relativePath, content);
        fs::permissions(path, fs::perms::owner_all);
    }
    void link(const std::string& relativePath, const std::string& target) {
        fs::create_directories(fs::path(root + "/" + relativePath).parent_path());
        fs::create_symlink(target, root + "/" + relativePath);
    }
    std::string find(const std::string& searchPath) {
        return application::JavaRuntimeLocator(searchPath, root).find();
    }
};

TEST_F(JavaRuntimeLocatorTest, FollowsTheJavaOnThePathThroughItsLinks) {
    std::string library = installRuntime("opt/jdk-21");
    // As the alternatives system does it: bin/java -> etc/java -> the real one.
    link("etc/alternatives/java", root + "/opt/jdk-21/bin/java");
    link("usr/bin/java", "../../etc/alternatives/java");
    installRuntime("usr/lib/jvm/default-java");
    EXPECT_EQ(find(root + "/usr/bin"), library);
}

TEST_F(JavaRuntimeLocatorTest, TakesTheNextJavaWhenTheFirstBelongsToNoRuntime) {
    write("wrappers/java", "#!/bin/sh\n");
    std::string library = installRuntime("opt/jdk-17");
    EXPECT_EQ(find("::" + root + "/wrappers:" + root + "/opt/jdk-17/bin"), library);
}

TEST_F(JavaRuntimeLocatorTest, KnowsTheJdk8Layouts) {
    std::string jdk = installRuntime("opt/jdk8", true);
    EXPECT_EQ(find(root + "/opt/jdk8/bin"), jdk);
    // A java in the JRE of a JDK 8 makes the JRE its home.
    auto jreCandidates = os::javaHomeLibraries(root + "/opt/jre8", os::System::Linux);
    write(jreCandidates.at(2).substr(root.size() + 1), "");
    write("opt/jre8/bin/java", "");
    EXPECT_EQ(find(root + "/opt/jre8/bin"), jreCandidates.at(2));
}

TEST_F(JavaRuntimeLocatorTest, DefaultRuntimeComesBeforeTheNewest) {
    installRuntime("usr/lib/jvm/java-25-openjdk-amd64");
    std::string library = installRuntime("usr/lib/jvm/default-java");
    EXPECT_EQ(find(""), library);
}

TEST_F(JavaRuntimeLocatorTest, NewestRuntimeHasTheHighestVersionAndALibrary) {
    installRuntime("usr/lib/jvm/java-8-openjdk-amd64", true);
    installRuntime("usr/lib/jvm/java-9-openjdk-amd64");
    std::string library = installRuntime("usr/lib/jvm/java-17-openjdk-amd64");
    link("usr/lib/jvm/java-1.17.0-openjdk-amd64", "java-17-openjdk-amd64");
    write("usr/lib/jvm/openjdk-21/lib/src.zip", "");
    write("usr/lib/jvm/.java-25.jinfo", "");
    EXPECT_EQ(find(""), library);
}

TEST_F(JavaRuntimeLocatorTest, NothingFoundGivesTheEmptyText) {
    EXPECT_EQ(find(""), "");
    write("usr/lib/jvm/java-17-openjdk-amd64/bin/java", "");
    write("bin/java", "");
    EXPECT_EQ(find(root + "/bin:" + root + "/missing"), "");
    EXPECT_EQ(application::JavaRuntimeLocator("", root + "/missing").find(), "");
}

// Each installation once, in the order the search tries them (the java on
// PATH, default-java, then the rest), with what its release file states.
TEST_F(JavaRuntimeLocatorTest, ListsEveryRuntimeOnceWithItsStatedVersion) {
    const std::string jdk11 = installRuntime("opt/jdk-11");
    write("opt/jdk-11/release", "IMPLEMENTOR=\"x\"\nJAVA_VERSION=\"11.0.2\"\n");
    const std::string java17 = installRuntime("usr/lib/jvm/java-17-openjdk-amd64");
    write("usr/lib/jvm/java-17-openjdk-amd64/release", "JAVA_VERSION=\"17.0.15\"\r\n");
    link("usr/lib/jvm/default-java", "java-17-openjdk-amd64");
    EnvironmentVariables environment;
    environment.set("PATH", root + "/opt/jdk-11/bin");
    std::vector<std::string> found;
    for (const auto& runtime : application::PlatformLinux(root).findJavaRuntimes())
        found.push_back(runtime.library + " " + runtime.home + " " + runtime.version);
    EXPECT_EQ(found, (std::vector<std::string>{
                         jdk11 + " " + root + "/opt/jdk-11 11.0.2",
                         java17 + " " + root + "/usr/lib/jvm/java-17-openjdk-amd64 17.0.15"}));
}

TEST(JavaRuntimeVersionTest, ReadsTheVersionFromTheFolderName) {
    using V = std::vector<int>;
    auto version = application::JavaRuntimeLocator::versionOfFolderName;
    EXPECT_EQ(version("java-17-openjdk-amd64"), V{17});
    EXPECT_EQ(version("java-1.17.0-openjdk-amd64"), V{17});
    EXPECT_EQ(version("jdk1.8.0_292"), (V{8, 0, 292}));
    EXPECT_EQ(version("jdk-21.0.2+13"), (V{21, 0, 2}));
    EXPECT_EQ(version("default-java"), V{});
}

}}  // namespace mirobanth::test
