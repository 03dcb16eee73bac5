// Alerts and the retry question of the Linux platform, with fake dialog
// programs on the path, and without a display.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "FakeDialog.h"
#include "OutputCapture.h"
#include "application/platform/linux/PlatformLinux.h"

using mirobanth::application::PlatformLinux;
using mirobanth::test::capture;
using Arguments = std::vector<std::string>;

namespace {

const std::string ALERT_TEXT = "Class not found\n\t\t\t\t";
const std::string RETRY_TEXT = "Resource not available\nDo you want to try again?";

// Puts a file descriptor on standard input for the life of the object.
class StandardInput {
public:
    explicit StandardInput(int fd) : saved(dup(0)) { dup2(fd, 0); }
    ~StandardInput() {
        dup2(saved, 0);
        close(saved);
    }

private:
    int saved;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.set("DISPLAY", ":7");
        environment.remove("WAYLAND_DISPLAY");
        environment.set("PATH", dialogs.binFolder());
    }
    ~DialogTest() override { close(nullInput); }
    std::string path(const std::string& name) { return dialogs.binFolder() + "/" + name; }

    mirobanth::test::ConsoleSwitches restoreSwitches;
    mirobanth::test::EnvironmentVariables environment;
    mirobanth::test::FakeDialogs dialogs;
    mirobanth::test::TemporaryFolder emptyRoot;
    PlatformLinux platform{emptyRoot.path()};
    int nullInput = open("/dev/null", O_RDONLY);
    StandardInput noTerminal{nullInput};
};

TEST_F(DialogTest, ZenityShowsTheAlertAndTheRetryQuestion) {
    dialogs.install("zenity", 0);
    bool answer = false;
    auto output = capture([&] {
        platform.alert("Tintavel", "Class not found");
        EXPECT_EQ(dialogs.arguments("zenity"),
                  (Arguments{path("zenity"), "--info", "--no-markup", "--title=Tintavel Alert",
                             "--text=" + ALERT_TEXT}));
        answer = platform.choice("Save the file?");
    });
    EXPECT_TRUE(answer);
    EXPECT_EQ(dialogs.arguments("zenity"),
              (Arguments{path("zenity"), "--question", "--no-markup", "--title=Application",
                         "--text=" + RETRY_TEXT, "--ok-label=Retry", "--cancel-label=Cancel",
                         "--default-cancel"}));
    EXPECT_EQ(output.out + output.err, "");

    dialogs.install("zenity", 1);
    EXPECT_FALSE(platform.choice(""));
    dialogs.install("zenity", 5);
    EXPECT_FALSE(platform.choice(""));
}

TEST_F(DialogTest, KDialogAndXMessageWhenZenityIsMissing) {
    dialogs.install("kdialog", 0);
    platform.alert("Tintavel", "Class not found");
    EXPECT_EQ(dialogs.arguments("kdialog"),
              (Arguments{path("kdialog"), "--title", "Tintavel Alert", "--msgbox", ALERT_TEXT}));
    EXPECT_TRUE(platform.choice(""));
    EXPECT_EQ(dialogs.arguments("kdialog"),
              (Arguments{path("kdialog"), "--title", "Application", "--warningyesno", RETRY_TEXT,
                         "--yes-label", "Retry", "--no-label", "Cancel"}));

    mirobanth::test::FakeDialogs others;
    others.install("xmessage", 1);
    environment.set("PATH", others.binFolder());
    EXPECT_FALSE(platform.choice(""));
    EXPECT_EQ(others.arguments("xmessage"),
              (Arguments{others.binFolder() + "/xmessage", "-title", "Application", "-buttons",
                         "Retry:0,Cancel:1", "-default", "Cancel", RETRY_TEXT}));
    others.install("xmessage", 0);
    platform.alert("Tintavel", "Class not found");
    EXPECT_EQ(others.arguments("xmessage"),
              (Arguments{others.binFolder() + "/xmessage", "-title", "Tintavel Alert", "-buttons",
                         "OK:0", ALERT_TEXT}));
}

TEST_F(DialogTest, ZenityComesFirstAndAWaylandDisplayCounts) {
    environment.remove("DISPLAY");
    environment.set("WAYLAND_DISPLAY", "wayland-0");
    dialogs.install("xmessage", 0);
    dialogs.install("kdialog", 0);
    dialogs.install("zenity", 0);
    platform.alert("Tintavel", "Class not found");
    EXPECT_EQ(dialogs.runs(), "run\n");
    EXPECT_EQ(dialogs.arguments("zenity").at(1), "--info");
}

TEST_F(DialogTest, AlertReachesTheTerminalWhenNoBoxWasShown) {
    dialogs.install("zenity", 1);  // what zenity answers when it cannot open the display
    auto refused = capture([&] { platform.alert("Tintavel", "Class not found"); });
    EXPECT_EQ(refused.err, "Tintavel Alert: Class not found\n");

    dialogs.install("zenity", 0, "/nonexistent/interpreter");
    bool answer = true;
    auto unstartable = capture([&] {
        platform.alert("Tintavel", "Class not found");
        answer = platform.choice("");
    });
    EXPECT_FALSE(answer);
    EXPECT_EQ(unstartable.err, "Tintavel Alert: Class not found\n");
    EXPECT_EQ(dialogs.runs(), "run\n");
}

TEST_F(DialogTest, WithoutADisplayTheTerminalStandsIn) {
    environment.remove("DISPLAY");
    dialogs.install("zenity", 0);
    int question[2];
    ASSERT_EQ(pipe(question), 0);
    ASSERT_EQ(write(question[1], "retry\n", 6), 6);
    bool answer = true;
    auto output = capture([&] {
        platform.alert("Tintavel", "Class not found");
        platform.alert("Tintavel", " Done \n\t\t\t\t");
        mirobanth::core::Console::enableSilent(true);
        platform.alert("Tintavel", "Silent");
        StandardInput piped(question[0]);
        answer = platform.choice("");
    });
    EXPECT_FALSE(answer);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err,
              "Tintavel Alert: Class not found\nTintavel Alert:  Done\nTintavel Alert: Silent\n");
    EXPECT_EQ(dialogs.runs(), "");
    // A pipe is no user: its answer was left unread.
    char unread[7] = {};
    EXPECT_EQ(read(question[0], unread, 6), 6);
    EXPECT_STREQ(unread, "retry\n");
    close(question[0]);
    close(question[1]);
}

TEST_F(DialogTest, MissingRuntimeShowsOneBoxThenTheDetail) {
    dialogs.install("zenity", 0);
    std::string found = "x";
    auto output = capture([&] { found = platform.getRuntimeLibrary(); });
    EXPECT_EQ(found, "");
    EXPECT_EQ(dialogs.runs(), "run\n");
    EXPECT_EQ(dialogs.arguments("zenity"),
              (Arguments{path("zenity"), "--info", "--no-markup", "--title=Mirobanth Runtime Alert",
                         "--text=Installation problem:\nJava Runtime Not Found - No Java installed "
                         "?\n\t\t\t\t\n\t\t\t\t"}));
    EXPECT_EQ(output.err, "Java Runtime Not Found - No Java installed ?\n");
}

}  // namespace
