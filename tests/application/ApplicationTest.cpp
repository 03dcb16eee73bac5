// The application object: its construction, properties, lifecycle and delegate.
#include <mirobanth/application/ApplicationDelegate.h>
#include <mirobanth/application/platform/Platform.h>

#include <cstdlib>
#include <memory>

#include "ApplicationFixture.h"
#include "TextLines.h"

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
    EXPECT_EQ(copy->nextCommand(), "queued");
    capture([&] { copy.reset(); });
}

// Every application of the process shares one platform object, which
// outlives them all: a host may keep the pointer, and creating applications
// by the thousand adds no platform objects. (The sanitizer build would catch
// a platform released too early.)
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

using application::ApplicationDelegate;

// Records what the application told it and counts its own end.
class RecordingDelegate : public ApplicationDelegate {
public:
    explicit RecordingDelegate(int* ended = nullptr, int exitValue = -1)
        : ended(ended), exitValue(exitValue) {}
    ~RecordingDelegate() override {
        if (ended) ++*ended;
    }
    void applicationInitEvent(Application* application) override {
        initName = application->getApplicationName();
        sawPlatform = application->getPlatform() != nullptr;
    }
    void exitValueEvent(Application* application) override {
        ++exitValueReads;
        if (exitValue >= 0) application->setExitValue(exitValue);
    }

    int* ended;
    int exitValue;
    std::string initName;
    bool sawPlatform = false;
    int exitValueReads = 0;
};

using ApplicationDelegateTest = ApplicationTest;

TEST_F(ApplicationDelegateTest, InitEventReplacesTheNoDelegateLine) {
    RecordingDelegate delegate;
    // The application's end leaves the delegate to its host.
    auto output = capture([&] { Application application("Tintavel", 0, nullptr, &delegate); });
    EXPECT_EQ(delegate.initName, "Tintavel");
    EXPECT_TRUE(delegate.sawPlatform);
    EXPECT_EQ(output.out.find("No delegate used"), std::string::npos);
}

TEST_F(ApplicationDelegateTest, LaunchGivesTheDelegateTheLastWordOnTheExitValue) {
    int ended = 0;
    auto* delegate = new RecordingDelegate(&ended, 0);
    int status = -1;
    capture([&] { status = Application::launch("Tintavel", 0, nullptr, delegate); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(delegate->exitValueReads, 1);
    EXPECT_EQ(ended, 0);  // the application's end leaves the delegate to its host
    delete delegate;
}

TEST_F(ApplicationDelegateTest, ReplacingADelegateEndsTheOldOneOnce) {
    int firstEnded = 0, secondEnded = 0;
    std::unique_ptr<Application> application;
    capture([&] { application.reset(new Application("Tintavel", 0, nullptr)); });
    auto* second = new RecordingDelegate(&secondEnded);
    application->setDelegate(new RecordingDelegate(&firstEnded));
    application->setDelegate(second);
    EXPECT_EQ(firstEnded, 1);
    application->setDelegate(second);  // the same one again is kept, not ended
    EXPECT_EQ(secondEnded, 0);
    EXPECT_EQ(application->getDelegate(), second);
    application->getExitValue();
    EXPECT_EQ(second->exitValueReads, 1);

    application->setDelegate(nullptr);
    EXPECT_EQ(secondEnded, 1);
    EXPECT_EQ(application->getDelegate(), nullptr);
    EXPECT_EQ(application->getExitValue(), 1);
    EXPECT_EQ(firstEnded, 1);
    capture([&] { application.reset(); });
}

TEST(ApplicationDelegateBaseTest, BaseHooksWarnAboutAMissingApplication) {
    ApplicationDelegate delegate;
    EXPECT_EQ(delegate.getName(), "ApplicationDelegate");
    auto output = capture([&] {
        delegate.applicationInitEvent(nullptr);
        delegate.exitValueEvent(nullptr);
    });
    EXPECT_EQ(output.err,
              "ApplicationDelegate: NULL delegate\nApplicationDelegate: NULL delegate\n");
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
