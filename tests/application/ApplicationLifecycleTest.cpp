
#include <fstream>
#include <sstream>

#include "ApplicationFixture.h"
#include "TextLines.h"

namespace mirobanth::test { namespace {

using ApplicationLaunchTest = ApplicationTest;

TEST_F(ApplicationLaunchTest, LaunchReturnsTheExitValueAndDestroysTheObject) {
    int untouched = 0, zero = 0;
    auto output = capture([&] {
        untouched = Application::launch(new Application("A", 0, nullptr));
        auto* application = new Application("B", 0, nullptr);
        application->setExitValue(0);
        zero = Application::launch(application);
    });
    EXPECT_EQ(untouched, 1);
    EXPECT_EQ(zero, 0);
    EXPECT_NE(output.out.find("A: No delegate used\nA: <FINALIZE>\n"), std::string::npos);
    EXPECT_NE(output.out.find("B: No delegate used\nB: <FINALIZE>\n"), std::string::npos);
}

TEST_F(ApplicationLaunchTest, SignalsAndShutdownOnlyReport) {
    auto output = capture([] {
        Application::signalEvent(1);
        Application::signalEvent(2);
        Application::signalEvent(0);
        Application::shutdown();
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "signal\nSIGNAL1\nsignal\nSIGNAL_UNKNOWN\nsignal\nSIGNAL_UNKNOWN\nshutdown\n");
}

TEST_F(ApplicationLaunchTest, LifecycleAnnouncementsAndRegistryStandIns) {
    std::unique_ptr<Application> application;
    capture([&] { application.reset(new Application("Demo", 0, nullptr)); });
    int removed = 0;
    auto output = capture([&] {
        application->create();
        application->start();
        application->stop();
        application->exit();
        Application::addApplication(application.get());
        removed = Application::removeApplication(application.get());
        application->daemonLogic();
        application->displayLaunchTime();
    });
    EXPECT_EQ(output.out,
              "Demo: <CREATE>\nDemo: <START>\nDemo: <STOP>\nDemo: <EXIT>\nDemo not added\n");
    EXPECT_EQ(output.err, "Function not implemented\nFunction not implemented\n");
    EXPECT_EQ(removed, 1);

    core::Console::enableSilent(true);
    auto silent = capture([&] {
        application->start();
        Application::addApplication(application.get());
        Application::signalEvent(1);
        Application::shutdown();
    });
    EXPECT_EQ(silent.out + silent.err, "");
    application.reset();
}

TEST_F(ApplicationLaunchTest, CreateApplicationBuildsAndKeepsAnUnknownProgram) {
    auto output = capture([] { Application::createApplication("Demo"); });
    EXPECT_EQ(withoutSplash(output.out, "Demo"),
              "Demo: Argument 0 = Unknown\n"
              "Demo: PATH=" +
                  extendedPath() +
                  "\nDemo: No delegate used\n"
                  "Demo not added\n");
}

// A program whose path has a blank still runs; its arguments arrive as
// written, quotes among them too.
TEST(ApplicationRelaunchTest, QuotesTheProgramPathAndReturnsOne) {
    TemporaryFolder folder;
    std::string program = copyProgram("argument_echo", folder.path() + "/my tools", "app");
    CommandLine line({program});

    int value = 0;
    auto output = capture([&] {
        value = Application::relaunch(1, line.argv(), " app/application.xml  two");
        Application::relaunch(1, line.argv(), " \"x y\" z");
    });
    EXPECT_EQ(value, 1);
    EXPECT_EQ(lines(output.out), (Lines{"ran [app/application.xml] [two]", "ran [x y] [z]"}));

    EXPECT_EQ(Application::relaunch(1, line.argv(), ""), 1);
    EXPECT_EQ(Application::relaunch(0, nullptr, " x"), 1);
}

}}  // namespace mirobanth::test
