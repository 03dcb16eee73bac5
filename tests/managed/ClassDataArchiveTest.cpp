// What an archive's key depends on, which options shape or settle class
// data, and how a mapping start's log is read.
#include <gtest/gtest.h>

#include <functional>

#include "ClassDataArchive.h"

namespace mirobanth::managed { namespace {

using Options = std::vector<std::string>;

const ClassDataInputs INPUTS = {{"/jdk/lib/server/libjvm.so", 23000000, 1700},
                                "17.0.15",
                                {{"/opt/app/app.jar", 2500, 1800}, {"/opt/app/lib.jar", 900, 1801}},
                                {"-Xmx512m", "-Dapp.home=/opt/app"}};

struct KeyCase {
    const char* name;
    std::function<void(ClassDataInputs&)> change;
    bool changesKey;
};

class ClassDataKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ClassDataKeyTest, ChangesExactlyWithWhatTheArchiveHolds) {
    ClassDataInputs changed = INPUTS;
    GetParam().change(changed);
    EXPECT_EQ(classDataKey(changed) != classDataKey(INPUTS), GetParam().changesKey);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassDataKeyTest,
    ::testing::Values(
        KeyCase{"JarRewritten", [](auto& in) { in.classPath[1].modified += 1; }, true},
        KeyCase{"JarGrown", [](auto& in) { in.classPath[0].size += 1; }, true},
        KeyCase{"JarMoved", [](auto& in) { in.classPath[0].path = "/opt/b/app.jar"; }, true},
        KeyCase{"JarsSwapped", [](auto& in) { std::swap(in.classPath[0], in.classPath[1]); }, true},
        KeyCase{"VMUpdated", [](auto& in) { in.vmLibrary.modified += 1; }, true},
        KeyCase{"OtherJava", [](auto& in) { in.javaVersion = "17.0.16"; }, true},
        KeyCase{"OtherCollector", [](auto& in) { in.javaOptions.push_back("-XX:+UseZGC"); }, true},
        KeyCase{"OtherHeap", [](auto& in) { in.javaOptions[0] = "-Xmx40g"; }, true},
        KeyCase{"OtherProperty", [](auto& in) { in.javaOptions[1] = "-Dapp.home=/b"; }, false},
        KeyCase{"Nothing", [](auto&) {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct OptionCase {
    const char* name;
    Options options;
    std::string deciding;  // classDataOption
    bool withoutCompressedOops;
};

class ClassDataOptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ClassDataOptionTest, SettlesOrShapesTheArchive) {
    EXPECT_EQ(classDataOption(GetParam().options), GetParam().deciding);
    EXPECT_EQ(withoutCompressedOops(GetParam().options), GetParam().withoutCompressedOops);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassDataOptionTest,
    ::testing::Values(
        OptionCase{"SmallHeapAndAPropertyDecideNothing",
                   {"-Xmx31g", "-XX:+UseG1GC", "-Dx=-Xshare:off"},
                   "",
                   false},
        OptionCase{"AHeapOf32GiBGoesWithoutCompressedOops", {"-Xmx32g"}, "", true},
        OptionCase{"TheLastHeapOptionCounts", {"-XX:MaxHeapSize=40000m", "-Xmx2g"}, "", false},
        OptionCase{
            "ShareOffDecides", {"-XX:-UseCompressedOops", "-Xshare:off"}, "-Xshare:off", true},
        OptionCase{"AnArchiveOfItsOwnDecides",
                   {"-XX:SharedArchiveFile=/a.jsa"},
                   "-XX:SharedArchiveFile=/a.jsa",
                   false},
        OptionCase{"APatchedModuleDecides",
                   {"--patch-module=java.base=x.jar"},
                   "--patch-module=java.base=x.jar",
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LogCase {
    const char* name;
    std::string log;
    bool mapped;
};

class ArchiveLogTest : public ::testing::TestWithParam<LogCase> {};

TEST_P(ArchiveLogTest, TellsWhetherTheVMKeptTheArchive) {
    EXPECT_EQ(archiveMapped(GetParam().log, "/c/x.jsa"), GetParam().mapped);
}

const std::string OPENED =
    "[info][cds] trying to map /c/x.jsa\n[info][cds] Opened archive /c/x.jsa.\n";

INSTANTIATE_TEST_SUITE_P(
    Table, ArchiveLogTest,
    ::testing::Values(
        LogCase{"Mapped", OPENED + "[info][cds] full module graph: enabled\n", true},
        LogCase{"AOTCacheMapped", "[info][aot] Opened AOT cache /c/x.jsa.\n", true},
        LogCase{"JarChanged",
                OPENED + "[warning][cds,dynamic] Unable to use shared archive. The top archive "
                         "failed to load: /c/x.jsa\n",
                false},
        LogCase{"NotFound",
                "[info][aot] Specified AOT cache not found (/c/x.jsa)\n[error][aot] An error has "
                "occurred while processing the AOT cache.\n",
                false}),
    [](const auto& info) { return std::string(info.param.name); });

}}  // namespace mirobanth::managed
