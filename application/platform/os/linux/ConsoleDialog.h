#pragma once

#include <string>

namespace mirobanth::application {

// The dialogs of a session without a display: the terminal stands in for the
// message box.
class ConsoleDialog {
public:
    // Writes caption, ": " and the message without its trailing white space
    // as one line on standard error. A message box cannot be silenced, so
    // neither can this line: the console's silent switch is not consulted.
    static void alert(const std::string& caption, const std::string& message);

    // Asks the question on standard error and reads the answer as one line
    // from inputFd. Only when inputFd is a terminal: a pipe or a file carries
    // no user to answer, and the question is then answered Cancel at once.
    // Returns true when the answer was Retry.
    static bool askRetry(const std::string& caption, const std::string& question, int inputFd = 0);

    // "r" or "retry" in any case, blanks around allowed; anything else,
    // the empty line included, keeps the default Cancel.
    static bool isRetryAnswer(const std::string& line);

    static std::string trimTrailingWhiteSpace(const std::string& text);
};

}  // namespace mirobanth::application
