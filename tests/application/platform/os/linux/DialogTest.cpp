// Alerts and the retry question of the Linux platform: through fake dialog
// programs on the path, and on the terminal when there is no display.
#include <mirobanth/application/platform/PlatformLinux.h>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ChildProcess.h"
#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"
#include "SilentDisplay.h"
#include "TextLines.h"
#include "platform/os/linux/ConsoleDialog.h"

namespace mirobanth::test { namespace {

using Arguments = Lines;

const std::string ALERT_TEXT = "Class not found\n\t\t\t\t";
const std::string RETRY_TEXT = "Resource not available\nDo you want to try again?";

// A display, standard input that is no terminal, and a path that holds only
// the fake dialog programs. Each fake records its arguments NUL-separated
// (they hold newlines) in <name>.args, a line per run in "runs", and exits
// with the status it was given.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.set("DISPLAY", ":7");
        environment.remove("WAYLAND_DISPLAY");
        environment.set("PATH", bin);
        int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, 0);
        close(nothing);
    }
    void TearDown() override {
        dup2(savedInput, 0);
        close(savedInput);
    }

    void install(const std::string& name, int status, const std::string& shell = "/bin/sh") {
        std::string script = "#!" + shell + "\nprintf '%s\\0' \"$@\" > " + bin + "/" + name +
                             ".args\necho run >> " + bin + "/runs\nexit " + std::to_string(status) +
                             "\n";
        chmod(folder.write("bin/" + name, script).c_str(), 0755);
    }
    Arguments arguments(const std::string& name) {
        Arguments result;
        std::string text = fileText(bin + "/" + name + ".args");
        for (std::size_t at = 0, end; (end = text.find('\0', at)) != std::string::npos;
             at = end + 1)
            result.push_back(text.substr(at, end - at));
        return result;
    }

    ConsoleSwitches restoreSwitches;
    EnvironmentVariables environment;
    TemporaryFolder folder;
    std::string bin = folder.path() + "/bin";
    int savedInput = dup(0);
    application::PlatformLinux platform{folder.path()};  // no Java runtime under it
};

TEST_F(DialogTest, EachProgramGetsTheTextsOfTheMessageBoxes) {
    struct Expected {
        std::string name;
        Arguments alert, retry;
    } programs[] = {
        {"zenity",
         {"--info", "--no-markup", "--title=Tintavel Alert", "--text=" + ALERT_TEXT},
         {"--question", "--no-markup", "--title=Application", "--text=" + RETRY_TEXT,
          "--ok-label=Retry", "--cancel-label=Cancel", "--default-cancel"}},
        {"kdialog",
         {"--title", "Tintavel Alert", "--msgbox", ALERT_TEXT},
         {"--title", "Application", "--warningyesno", RETRY_TEXT, "--yes-label", "Retry",
          "--no-label", "Cancel"}},
        {"xmessage",
         {"-title", "Tintavel Alert", "-buttons", "OK:0", ALERT_TEXT},
         {"-title", "Application", "-buttons", "Retry:0,Cancel:1", "-default", "Cancel",
          RETRY_TEXT}},
    };
    for (const auto& program : programs) {
        SCOPED_TRACE(program.name);
        std::filesystem::remove_all(bin);
        install(program.name, 0);
        auto output = capture([&] { platform.alert("Tintavel", "Class not found"); });
        EXPECT_EQ(arguments(program.name), program.alert);
        EXPECT_TRUE(platform.choice("Save the file?"));
        EXPECT_EQ(arguments(program.name), program.retry);
        EXPECT_EQ(output.out + output.err, "");
    }
}

TEST_F(DialogTest, ZenityComesFirstAndAWaylandDisplayCounts) {
    environment.remove("DISPLAY");
    environment.set("WAYLAND_DISPLAY", "wayland-0");
    install("xmessage", 0);
    install("kdialog", 0);
    install("zenity", 0);
    platform.alert("Tintavel", "Class not found");
    EXPECT_EQ(fileText(bin + "/runs"), "run\n");
    EXPECT_EQ(arguments("zenity").at(0), "--info");
}

TEST_F(DialogTest, UnansweredBoxesMeanAnAlertOnTheTerminalAndCancel) {
    const std::string line = "Tintavel Alert: Class not found\n";
    auto noProgram = capture([&] { platform.alert("Tintavel", "Class not found"); });
    EXPECT_EQ(noProgram.err, line);
    // 1 is also what the programs answer when they cannot open the display.
    for (int status : {1, 5}) {
        install("zenity", status);
        auto refused = capture([&] { platform.alert("Tintavel", "Class not found"); });
        EXPECT_EQ(refused.err, line);
        EXPECT_FALSE(platform.choice(""));
    }
    EXPECT_EQ(fileText(bin + "/runs"), "run\nrun\nrun\nrun\n");
    install("zenity", 0, "/nonexistent/interpreter");
    auto unstartable = capture([&] {
        EXPECT_FALSE(platform.choice(""));
        platform.alert("Tintavel", "Class not found");
    });
    EXPECT_EQ(unstartable.err, line);
}

// A display that takes connections and never answers: the box the program
// waits to show is given up, its program ended, and the terminal stands in.
TEST_F(DialogTest, ASilentDisplayIsGivenUp) {
    SilentDisplay display;
    environment.set("DISPLAY", display.name());
    std::string program = "#!/bin/sh\necho $$ > " + bin + "/pid\nexec /bin/sleep 30\n";
    chmod(folder.write("bin/zenity", program).c_str(), 0755);
    auto output = capture([&] { platform.alert("Tintavel", "Class not found"); });
    EXPECT_EQ(output.err, "Tintavel Alert: Class not found\n");
    EXPECT_NE(kill(std::stoi(fileText(bin + "/pid")), 0), 0);  // ended and collected
}

TEST_F(DialogTest, WithoutADisplayTheTerminalStandsIn) {
    environment.remove("DISPLAY");
    install("zenity", 0);
    auto output = capture([&] {
        platform.alert("Tintavel", " Done \n\t\t\t\t");
        core::Console::enableSilent(true);
        platform.alert("Tintavel", "Class not found");
        EXPECT_FALSE(platform.choice(""));  // standard input is no terminal
    });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "Tintavel Alert:  Done\nTintavel Alert: Class not found\n");
    EXPECT_EQ(fileText(bin + "/runs"), "");
}

TEST_F(DialogTest, MissingRuntimeShowsOneBoxThenTheDetail) {
    install("zenity", 0);
    auto output = capture([&] { EXPECT_EQ(platform.getRuntimeLibrary(), ""); });
    EXPECT_EQ(fileText(bin + "/runs"), "run\n");
    // The first line is the one Windows users see too; the others say where
    // the lookup went and what to do.
    const std::string detail =
        "Java Runtime Not Found - No Java installed ?\n"
        "Looked for java on PATH, in /usr/lib/jvm/default-java and in /usr/lib/jvm.\n"
        "Install a Java runtime (such as Debian's default-jre) or set JAVA_HOME to one.";
    EXPECT_EQ(arguments("zenity").back(),
              "--text=Installation problem:\n" + detail + "\n\t\t\t\t\n\t\t\t\t");
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, detail + "\n");
}

// The question on the terminal itself.
bool ask(int inputFd) {
    return application::ConsoleDialog::askRetry("Application", "Try again?", inputFd);
}

TEST(ConsoleDialogTest, AsksOnATerminalOneLineAtATime) {
    // A pseudo-terminal: what is typed on the master side is read on the other.
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master) + unlockpt(master), 0);
    int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(write(master, "Retry\ncancel\n\n", 14), 14);
    auto output = capture([&] {
        EXPECT_TRUE(ask(terminal));
        EXPECT_FALSE(ask(terminal));
        EXPECT_FALSE(ask(terminal));
        close(master);  // hung up: no terminal any more, so no question
        EXPECT_FALSE(ask(terminal));
    });
    const std::string prompt = "Application: Try again? [retry/cancel] ";
    EXPECT_EQ(output.err, prompt + prompt + prompt);
    EXPECT_EQ(output.out, "");
    close(terminal);
}

TEST(ConsoleDialogTest, AnswersCancelAtOnceWithoutATerminal) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "r\n", 2), 2);
    auto output = capture([&] { EXPECT_FALSE(ask(fds[0])); });
    EXPECT_EQ(output.out + output.err, "");
    char unread[3] = {};  // left for whoever reads the input next
    EXPECT_EQ(read(fds[0], unread, 2), 2);
    EXPECT_STREQ(unread, "r\n");
    close(fds[0]);
    close(fds[1]);
}

TEST(ConsoleDialogTest, OnlyRetryMeansRetry) {
    for (const char* yes : {"r", "R", "retry", " Retry ", "RETRY\r"})
        EXPECT_TRUE(application::ConsoleDialog::isRetryAnswer(yes)) << yes;
    for (const char* no : {"", " ", "c", "cancel", "yes", "re", "retry now", "rr"})
        EXPECT_FALSE(application::ConsoleDialog::isRetryAnswer(no)) << no;
    EXPECT_EQ(application::ConsoleDialog::trimTrailingWhiteSpace(" a b \n\t\t\t\t"), " a b");
    EXPECT_EQ(application::ConsoleDialog::trimTrailingWhiteSpace(" \n"), "");
}

}}  // namespace mirobanth::test
