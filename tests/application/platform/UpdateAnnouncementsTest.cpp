#include <mirobanth/application/platform/UpdateAnnouncements.h>

#include "../ApplicationFixture.h"

namespace mirobanth::test { namespace {

using UpdateAnnouncementsTest = TintavelApplicationTest;

TEST_F(UpdateAnnouncementsTest, LinesAreTaggedWithTheApplicationsName) {
    auto output = capture([&] {
        application::announceNativeUpdate(application.get());
        application::announceAddress(application.get());
    });
    EXPECT_EQ(output.out, "Tintavel: Native update code\nTintavel: DA:00::00\n");
    EXPECT_EQ(output.err, "");

    core::Console::enableSilent(true);
    auto silent = capture([&] { application::announceAddress(application.get()); });
    EXPECT_EQ(silent.out, "");
}

TEST_F(UpdateAnnouncementsTest, WithoutASourceOnlyAWarning) {
    auto output = capture([&] {
        application::announceNativeUpdate(nullptr);
        application::announceAddress(nullptr);
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "announceNativeUpdate - source is NULL\nannounceAddress - source is NULL\n");
}

}}  // namespace mirobanth::test
