#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "ChildProcess.h"
#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "platform/ManifestRecord.h"

namespace mirobanth::test { namespace {

namespace fs = std::filesystem;

// Runs fn in a fresh empty folder and answers whether it left anything there.
template <typename Fn>
bool leavesFilesBehind(Fn&& fn) {
    TemporaryFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    fn();
    fs::current_path(previous);
    return !fs::is_empty(folder.path());
}

class ManifestRecordTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
};

TEST_F(ManifestRecordTest, TheCheckPrintsAFreshRecordAndWritesNoFile) {
    application::ManifestRecord record{};
    std::strcpy(record.name, "tintavel");
    record.rank = 7;
    CapturedOutput output;
    EXPECT_FALSE(leavesFilesBehind(
        [&] { output = capture([&] { application::checkManifest(&record, "manifest.bin"); }); }));
    EXPECT_EQ(output.out, "\nRank :1\n");
    EXPECT_EQ(output.err, "");
    EXPECT_STREQ(record.name, "tintavel");
    EXPECT_EQ(record.rank, 7);
}

TEST_F(ManifestRecordTest, AMissingManifestIsWarnedAboutAndTheCheckGoesOn) {
    auto output = capture([] { application::checkManifest(nullptr, "manifest.bin"); });
    EXPECT_EQ(output.err, "NULL_MANIFEST\n");
    EXPECT_EQ(output.out, "\nRank :1\n");
}

TEST(ManifestNameTest, AnUnterminatedNameEndsWithItsArea) {
    application::ManifestRecord record;
    std::memset(record.name, 'x', sizeof record.name);
    std::memcpy(&record.rank, "RANK", sizeof record.rank);
    EXPECT_EQ(application::manifestName(record), std::string(100, 'x'));

    std::strcpy(record.name, "short");
    EXPECT_EQ(application::manifestName(record), "short");
}

}}  // namespace mirobanth::test
