#include <mirobanth/application/platform/Platform.h>

#include <cstdlib>
#include <memory>

#include "ApplicationFixture.h"

namespace mirobanth::test { namespace {

using ApplicationConstructionTest = ApplicationTest;

TEST_F(ApplicationConstructionTest, AnnouncesEchoesExtendsPathAndNamesTheDelegate) {
    CommandLine line({"/opt/tintavel/Tintavel64", "-v", "My File"});
    std::unique_ptr<Application> application;
    auto output =
        capture([&] { application.reset(new Application("Tintavel", line.argc(), line.argv())); });

    EXPECT_EQ(withoutSplash(output.out, "Tintavel"),
              "Tintavel: Argument 0 = /opt/tintavel/Tintavel64\n"
              "Tintavel: Argument 1 = -v\n"
              "Tintavel: Argument 2 = My File\n"
              "Tintavel: PATH=" +
                  extendedPath() + "\nTintavel: No delegate used\n");
    EXPECT_EQ(output.err, "");
    EXPECT_EQ(std::string(std::getenv("PATH")), extendedPath());
    EXPECT_EQ(capture([&] { application.reset(); }).out, "Tintavel: <FINALIZE>\n");
}

// That an empty value counts too is seen in a launcher's run (a Windows
// process cannot give itself an empty variable).
TEST_F(ApplicationConstructionTest, SilentSuppressesAllButStillExtendsPath) {
    environment.set("MIROBANTH_SILENT", "no");
    CommandLine line({"/opt/tintavel/Tintavel64", "-v"});
    auto output = capture([&] { Application application("Tintavel", line.argc(), line.argv()); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
    EXPECT_TRUE(core::Console::isSilent());
    EXPECT_EQ(std::string(std::getenv("PATH")), extendedPath());
}

TEST_F(ApplicationConstructionTest, VerboseLineComesBetweenTheArgumentsAndThePath) {
    environment.set("MIROBANTH", "1");
    core::Console::enableVerbose(false);
    CommandLine line({"prog"});
    auto output = capture([&] { Application application("Demo", line.argc(), line.argv()); });
    EXPECT_EQ(withoutSplash(output.out, "Demo"),
              "Demo: Argument 0 = prog\n"
              "Demo: Verbose mode (tracking finalizers)\n"
              "Demo: PATH=" +
                  extendedPath() + "\nDemo: No delegate used\nDemo: <FINALIZE>\n");
    EXPECT_TRUE(core::Console::isVerbose());
}

TEST_F(ApplicationConstructionTest, UnsetOrEmptyPathGetsNoEmptyEntry) {
    for (bool unset : {true, false}) {
        if (unset)
            environment.remove("PATH");
        else
            environment.set("PATH", "");
        auto output = capture([&] { Application application("Demo", 0, nullptr); });
        EXPECT_EQ(withoutSplash(output.out, "Demo"),
                  "Demo: PATH=" + SYSTEM_FOLDER + "\nDemo: No delegate used\nDemo: <FINALIZE>\n");
        EXPECT_EQ(std::string(std::getenv("PATH")), SYSTEM_FOLDER);
    }
}

// However many applications a host creates, PATH grows once.
TEST_F(ApplicationConstructionTest, PathReceivesTheSystemFolderOncePerProcess) {
    auto output = capture([&] {
        Application first("A", 0, nullptr);
        Application second("B", 0, nullptr);
    });
    EXPECT_EQ(std::string(std::getenv("PATH")), extendedPath());
    EXPECT_NE(output.out.find("B: PATH=" + extendedPath() + "\n"), std::string::npos) << output.out;
}

// A host may hand over a null vector or a null entry: no argument, or an
// empty one, and standard output keeps working for every later line.
TEST_F(ApplicationConstructionTest, NullArgumentVectorOrEntryReadsAsNothing) {
    auto nullVector = capture([&] { Application application("Demo", 2, nullptr); });
    EXPECT_EQ(nullVector.out.find("Argument"), std::string::npos);

    char program[] = "prog";
    char* argv[] = {program, nullptr, nullptr};
    auto nullEntry = capture([&] { Application application("Demo", 2, argv); });
    std::string lines = withoutSplash(nullEntry.out, "Demo");
    EXPECT_EQ(lines.rfind("Demo: Argument 0 = prog\nDemo: Argument 1 = \nDemo: PATH=", 0), 0u)
        << lines;
    EXPECT_EQ(lines.substr(lines.size() - 17), "Demo: <FINALIZE>\n");
}

TEST_F(ApplicationConstructionTest, SplashFallsBackToUserAndMachine) {
    environment.remove("USERNAME");
    environment.set("USER", "bruno");
    environment.remove("PROCESSOR_ARCHITECTURE");
    EXPECT_EQ(Application::user(), "bruno");
    EXPECT_NE(Application::cpuId(), "");
    environment.remove("USER");
    EXPECT_EQ(Application::user(), "Unknown");
}

using ApplicationPropertiesTest = TintavelApplicationTest;

TEST_F(ApplicationPropertiesTest, FreshObjectHasTheDefaultIdentity) {
    EXPECT_EQ(application->getApplicationName(), "Tintavel");
    EXPECT_EQ(application->getVersion(), "0.0");
    EXPECT_EQ(application->getBuild(), "");
    EXPECT_EQ(application->getCompany(), "Mirobanth_SDK");
    EXPECT_EQ(application->getWebsite().rfind("https://", 0), 0u);
    EXPECT_EQ(application->getExitValue(), 1);
    EXPECT_FALSE(application->isDaemon());
    EXPECT_TRUE(application->isRunningInConsole());
    EXPECT_EQ(application->getPlatform()->getPathSeparator(), facts::pathListSeparator());
}

TEST_F(ApplicationPropertiesTest, PropertyEventsWarnOnlyWhenTheValueStaysTheSame) {
    auto output = capture([&] {
        application->setExitValue(1);
        application->setExitValue(0);
        application->setCompany("Mirobanth_SDK");
        application->setCompany("Acme");
        application->setRunningInConsole(true);
        application->setRunningInConsole(false);
    });
    EXPECT_EQ(output.err,
              "Tintavel: exitValue: value has not changed\n"
              "Tintavel: company: value has not changed\n"
              "Tintavel: runningInConsole: value has not changed\n");
    EXPECT_EQ(application->getExitValue(), 0);
    EXPECT_EQ(application->getCompany(), "Acme");
    EXPECT_FALSE(application->isRunningInConsole());
}

TEST_F(ApplicationPropertiesTest, ApplicationDataAndSelfReport) {
    std::string empty, info;
    auto output = capture([&] {
        empty = application->getApplicationData("");
        info = application->getApplicationData("INFO_PLIST");
        application->setName("Renamed");
        application->test();
        application->attatchConsole(nullptr);
    });
    EXPECT_EQ(empty, "undefined");
    EXPECT_EQ(info, "undefined");
    EXPECT_EQ(output.err,
              "Tintavel: ERROR\n"
              "Renamed: TESTING\n"
              "Renamed: name=Renamed\n"
              "Renamed: tostring=Renamed\n"
              "Renamed: applicationname=Tintavel\n"
              "Renamed: Console is NULL\n"
              "Function not implemented: attatchConsole\n");
}

TEST_F(ApplicationPropertiesTest, CopiesShareThePlatform) {
    application->processCommandLater("queued");
    auto copy = std::make_unique<Application>(*application);
    EXPECT_EQ(copy->getPlatform(), application->getPlatform());
    capture([&] { application.reset(); });
    // Still usable after the original is gone (the sanitizer build would
    // catch a platform released too early).
    EXPECT_EQ(copy->getPlatform()->getPathSeparator(), facts::pathListSeparator());
    EXPECT_EQ(copy->nextCommand(), "queued");
    capture([&] { copy.reset(); });
}

// Every application of the process shares one platform object, which
// outlives them all: a host may keep the pointer, and creating applications
// by the thousand adds no platform objects.
TEST_F(ApplicationPropertiesTest, ThePlatformOutlivesEveryApplication) {
    capture([&] { application.reset(); });  // none alive but those made here
    application::Platform* kept = nullptr;
    for (int i = 0; i < 2; ++i) {
        capture([&] {
            Application another("Tintavel", 0, nullptr);
            if (kept) {
                EXPECT_EQ(another.getPlatform(), kept);
            }
            kept = another.getPlatform();
        });
    }
    EXPECT_EQ(kept->getPathSeparator(), facts::pathListSeparator());
}

TEST(ApplicationUtilitiesTest, TextAndEnvironmentHelpers) {
    EnvironmentVariables environment;
    environment.set("MB_FLAG", "true");
    EXPECT_TRUE(Application::getBoolean("MB_FLAG"));
    environment.set("MB_FLAG", "TRUE");
    EXPECT_FALSE(Application::getBoolean("MB_FLAG"));
    environment.set("MB_FLAG", "1");
    EXPECT_FALSE(Application::getBoolean("MB_FLAG"));
    environment.remove("MB_FLAG");
    EXPECT_FALSE(Application::getBoolean("MB_FLAG"));
    EXPECT_FALSE(Application::getBoolean(nullptr));

    EXPECT_EQ(Application::lowercase("TinTavel-64"), "tintavel-64");
    std::string date = Application::date();
    EXPECT_EQ(date.size(), 24u);
    EXPECT_NE(date.back(), '\n');
    EXPECT_FALSE(Application::isConsoleMode());
    EXPECT_TRUE(Application::isFirstApplicationRunningInConsole());
}

TEST(ApplicationUtilitiesTest, FileExistsOnlyForReadableRegularFiles) {
    TemporaryFolder folder;
    std::string file = folder.write("tintavel.jar", "jar");
    EXPECT_TRUE(Application::fileExists(file));
    EXPECT_FALSE(Application::fileExists(folder.path()));
    EXPECT_FALSE(Application::fileExists(folder.path() + "/missing.jar"));
    EXPECT_FALSE(Application::fileExists(""));
}

}}  // namespace mirobanth::test
