#include <mirobanth/application/ApplicationDelegate.h>

#include "ApplicationFixture.h"

namespace mirobanth::test { namespace {

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

}}  // namespace mirobanth::test
