#include <mirobanth/application/Application.h>
#include <mirobanth/application/platform/UpdateAnnouncements.h>

#include <memory>

#include "../ApplicationFixture.h"

using mirobanth::application::Application;
using mirobanth::core::Console;
using mirobanth::test::capture;
using mirobanth::test::CommandLine;

namespace {

using UpdateAnnouncementsTest = mirobanth::test::ApplicationTest;

TEST_F(UpdateAnnouncementsTest, LinesAreTaggedWithTheApplicationsName) {
    CommandLine line({"Tintavel64"});
    std::unique_ptr<Application> application;
    capture(
        [&] { application = std::make_unique<Application>("Tintavel", line.argc(), line.argv()); });
    auto output = capture([&] {
        mirobanth::application::announceNativeUpdate(application.get());
        mirobanth::application::announceAddress(application.get());
    });
    EXPECT_EQ(output.out, "Tintavel: Native update code\nTintavel: DA:00::00\n");
    EXPECT_EQ(output.err, "");

    Console::enableSilent(true);
    auto silent = capture([&] { mirobanth::application::announceAddress(application.get()); });
    EXPECT_EQ(silent.out, "");
    capture([&] { application.reset(); });
}

TEST_F(UpdateAnnouncementsTest, WithoutASourceOnlyAWarning) {
    auto output = capture([&] {
        mirobanth::application::announceNativeUpdate(nullptr);
        mirobanth::application::announceAddress(nullptr);
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "announceNativeUpdate - source is NULL\nannounceAddress - source is NULL\n");
}

}  // namespace
