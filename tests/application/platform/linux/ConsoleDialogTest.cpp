#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "OutputCapture.h"
#include "application/platform/linux/ConsoleDialog.h"

using mirobanth::application::ConsoleDialog;
using mirobanth::test::capture;

namespace {

const std::string PROMPT =
    "Application: Resource not available\nDo you want to try again? [retry/cancel] ";

// A pseudo-terminal: what is typed on the master side is read on the other.
class Terminal {
public:
    Terminal() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
            user = open(ptsname(master), O_RDWR | O_NOCTTY);
        }
    }
    ~Terminal() {
        if (user >= 0) close(user);
        if (master >= 0) close(master);
    }
    bool ready() const { return user >= 0; }
    void type(const std::string& text) {
        ASSERT_EQ(write(master, text.data(), text.size()), ssize_t(text.size()));
    }
    void hangUp() {
        close(master);
        master = -1;
    }
    bool ask() {
        return ConsoleDialog::askRetry("Application",
                                       "Resource not available\nDo you want to try again?", user);
    }

private:
    int master = -1;
    int user = -1;
};

TEST(ConsoleDialogTest, AsksOnATerminalAndReadsOneLine) {
    Terminal terminal;
    ASSERT_TRUE(terminal.ready());
    terminal.type("Retry\ncancel\n\n");
    bool first = false, second = true, third = true;
    auto output = capture([&] {
        first = terminal.ask();
        second = terminal.ask();
        third = terminal.ask();
    });
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_FALSE(third);
    EXPECT_EQ(output.err, PROMPT + PROMPT + PROMPT);
    EXPECT_EQ(output.out, "");

    terminal.hangUp();
    bool afterHangUp = true;
    capture([&] { afterHangUp = terminal.ask(); });
    EXPECT_FALSE(afterHangUp);
}

TEST(ConsoleDialogTest, AnswersCancelAtOnceWithoutATerminal) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "r\n", 2), 2);
    bool answer = true;
    auto output =
        capture([&] { answer = ConsoleDialog::askRetry("Application", "Again?", fds[0]); });
    EXPECT_FALSE(answer);
    EXPECT_EQ(output.out + output.err, "");
    close(fds[0]);
    close(fds[1]);
}

TEST(ConsoleDialogTest, OnlyRetryMeansRetry) {
    for (const char* yes : {"r", "R", "retry", " Retry ", "RETRY\r"}) {
        EXPECT_TRUE(ConsoleDialog::isRetryAnswer(yes)) << yes;
    }
    for (const char* no : {"", " ", "c", "cancel", "yes", "re", "retry now", "rr"}) {
        EXPECT_FALSE(ConsoleDialog::isRetryAnswer(no)) << no;
    }
    EXPECT_EQ(ConsoleDialog::trimTrailingWhiteSpace(" a b \n\t\t\t\t"), " a b");
    EXPECT_EQ(ConsoleDialog::trimTrailingWhiteSpace(" \n"), "");
}

}  // namespace
