#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "OutputCapture.h"
#include "platform/os/linux/ConsoleDialog.h"

namespace mirobanth::test { namespace {

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
